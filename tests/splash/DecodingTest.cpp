#include <gmock/gmock.h>

#include <QSet>

#include "CoreTesting.h"
#include "JpegPicture.h"
#include "TitlePicture.h"

using testing::StartsWith;
using vexilor::decodeJpeg;
using vexilor::Failure;
using vexilor::PictureColours;
using vexilor::titlePictureBytes;

// Flat areas of the title picture (dark sky, text panel, sprite, credit band) keep the
// colours they are drawn in, each channel within `tolerance`.
static void expectKnownColours(const QImage& picture, int tolerance) {
    const std::pair<QPoint, QColor> probes[] = {{{8, 8}, QColor(14, 16, 34)},
                                                {{291, 101}, QColor(32, 44, 84)},
                                                {{39, 260}, QColor(255, 255, 255)},
                                                {{4, 370}, QColor(0, 0, 0)}};
    for (const auto& [point, colour] : probes) {
        const QColor actual = picture.pixelColor(point);
        for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
            EXPECT_NEAR((actual.*channel)(), (colour.*channel)(), tolerance)
                << actual.name().toStdString() << " at " << point.x() << "," << point.y();
    }
}

TEST(DecodingTheTitlePicture, GivesTheWholePictureInFullColourOrInAtMost236) {
    const QImage full = decodeJpeg(titlePictureBytes(), PictureColours::TrueColour);
    EXPECT_EQ(full.size(), QSize(608, 374));
    expectKnownColours(full, 4);

    const QImage few = decodeJpeg(titlePictureBytes(), PictureColours::Palette236);
    ASSERT_EQ(few.size(), QSize(608, 374));
    QSet<QRgb> used;
    for (int y = 0; y < few.height(); ++y)
        for (int x = 0; x < few.width(); ++x)
            used.insert(few.pixel(x, y));
    EXPECT_LE(used.size(), 236);
    EXPECT_GT(used.size(), 64) << "the picture's own colours, not a handful of greys";
    expectKnownColours(few, 32);
}

TEST(DecodingADamagedPicture, FailsCleanlyAndLeavesTheDecoderUsable) {
    const auto decoding = [](const QByteArray& bytes) {
        return [bytes] { decodeJpeg(bytes, PictureColours::TrueColour); };
    };
    const QByteArray bytes = titlePictureBytes();
    EXPECT_THAT(decoding(bytes.left(bytes.size() / 2)),
                failsWith("Cannot decode the picture: Premature end of JPEG file"));
    EXPECT_THAT(decoding(QByteArray("\x89PNG\r\n\x1a\n", 8)),
                failsWith("Cannot decode the picture: Not a JPEG file: starts with 0x89 0x50"));
    EXPECT_THAT(decoding({}), failsWith("Cannot decode the picture: Empty input file"));
    QByteArray garbled = bytes;  // a marker that does not belong inside compressed data
    garbled.replace(bytes.size() / 2, 2, QByteArray("\xff\xd8", 2));
    EXPECT_THAT(decoding(garbled),
                testing::ThrowsMessage<Failure>(StartsWith("Cannot decode the picture: ")));

    EXPECT_THROW(decodeJpeg(bytes.left(1000), PictureColours::Palette236), Failure);
    EXPECT_EQ(decodeJpeg(bytes, PictureColours::TrueColour).size(), QSize(608, 374));
}
