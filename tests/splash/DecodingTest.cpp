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

// The picture with its width and height fields in the frame header overwritten.
static QByteArray withHeaderSize(QByteArray bytes, int width, int height) {
    const qsizetype frame = bytes.indexOf("\xff\xc0");  // then length, precision, height, width
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xff);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xff);
    return bytes;
}

TEST(DecodingADamagedPicture, DecodesWhatTheLibraryOnlyWarnsAbout) {
    const QByteArray bytes = titlePictureBytes();
    QByteArray stray = bytes;  // bytes that belong to no segment, before the scan's marker
    stray.insert(bytes.indexOf("\xff\xda"), "junk");
    expectKnownColours(decodeJpeg(stray, PictureColours::TrueColour), 4);
    expectKnownColours(decodeJpeg(stray, PictureColours::Palette236), 32);

    // Rows past the end of a picture cut short are grey.
    const QImage cut = decodeJpeg(bytes.left(bytes.size() / 2), PictureColours::TrueColour);
    ASSERT_EQ(cut.size(), QSize(608, 374));
    EXPECT_EQ(cut.pixelColor(8, 8), decodeJpeg(bytes, PictureColours::TrueColour).pixelColor(8, 8));
    EXPECT_EQ(cut.pixelColor(4, 370), QColor(128, 128, 128));
}

TEST(DecodingADamagedPicture, FailsCleanlyAndLeavesTheDecoderUsable) {
    const auto decoding = [](const QByteArray& bytes) {
        return [bytes] { decodeJpeg(bytes, PictureColours::TrueColour); };
    };
    const QByteArray bytes = titlePictureBytes();
    EXPECT_THAT(decoding(QByteArray("\x89PNG\r\n\x1a\n", 8)),
                failsWith("Cannot decode the picture: Not a JPEG file: starts with 0x89 0x50"));
    EXPECT_THAT(decoding({}), failsWith("Cannot decode the picture: Empty input file"));
    EXPECT_THAT(decoding(bytes.left(300)),
                testing::ThrowsMessage<Failure>(StartsWith("Cannot decode the picture: ")));
    QByteArray garbled = bytes;  // a marker that does not belong inside compressed data
    garbled.replace(bytes.size() / 2, 2, QByteArray("\xff\xd8", 2));
    EXPECT_THAT(decoding(garbled),
                testing::ThrowsMessage<Failure>(StartsWith("Cannot decode the picture: ")));
    // A header larger than any picture is refused before the picture is allocated.
    EXPECT_THAT(decoding(withHeaderSize(bytes, 2049, 374)),
                failsWith("Cannot decode the picture: it is 2049 x 374 pixels, more than the "
                          "largest picture of 2048 x 2048"));
    EXPECT_THAT(decoding(withHeaderSize(bytes, 608, 65500)),
                failsWith("Cannot decode the picture: it is 608 x 65500 pixels, more than the "
                          "largest picture of 2048 x 2048"));

    EXPECT_THROW(decodeJpeg(bytes.left(300), PictureColours::Palette236), Failure);
    EXPECT_EQ(decodeJpeg(bytes, PictureColours::TrueColour).size(), QSize(608, 374));
}
