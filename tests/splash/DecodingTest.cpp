#include <gtest/gtest.h>

#include <QSet>

#include "Failure.h"
#include "JpegPicture.h"
#include "TitlePicture.h"

using vexilor::decodeJpeg;
using vexilor::Failure;
using vexilor::PictureColours;
using vexilor::titlePictureBytes;

namespace {

// Flat areas of the title picture and the colours they are drawn in.
struct Probe {
    const char* where;
    QPoint point;
    QColor colour;
};
const Probe probes[] = {
    {"dark sky", {8, 8}, QColor(14, 16, 34)},
    {"text panel", {291, 101}, QColor(32, 44, 84)},
    {"sprite", {39, 260}, QColor(255, 255, 255)},
    {"credit band", {4, 370}, QColor(0, 0, 0)},
};

testing::AssertionResult near(QColor actual, QColor expected, int tolerance) {
    const int distance = std::max({std::abs(actual.red() - expected.red()),
                                   std::abs(actual.green() - expected.green()),
                                   std::abs(actual.blue() - expected.blue())});
    if (distance <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual.name().toStdString() << " is " << distance
                                       << " away from " << expected.name().toStdString();
}

std::string failureMessage(const QByteArray& bytes) {
    try {
        decodeJpeg(bytes, PictureColours::TrueColour);
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

}  // namespace

TEST(DecodingTheTitlePicture, GivesTheWholePictureInFullColour) {
    const QImage picture = decodeJpeg(titlePictureBytes(), PictureColours::TrueColour);
    EXPECT_EQ(picture.size(), QSize(608, 374));
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    for (const Probe& probe : probes)
        EXPECT_TRUE(near(picture.pixelColor(probe.point), probe.colour, 4)) << probe.where;
}

TEST(DecodingTheTitlePicture, OnAFewColourDisplayUsesAtMost236Colours) {
    const QImage picture = decodeJpeg(titlePictureBytes(), PictureColours::Palette236);
    ASSERT_EQ(picture.size(), QSize(608, 374));
    ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_LE(picture.colorCount(), 236);

    QSet<QRgb> used;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            used.insert(picture.pixel(x, y));
    EXPECT_LE(used.size(), 236);
    // Many colours of the picture survive the choice, not a handful of greys.
    EXPECT_GT(used.size(), 64);
    for (const Probe& probe : probes)
        EXPECT_TRUE(near(picture.pixelColor(probe.point), probe.colour, 32)) << probe.where;
}

TEST(DecodingADamagedPicture, FailsWhenThePictureIsCutShort) {
    const QByteArray bytes = titlePictureBytes();
    EXPECT_EQ(failureMessage(bytes.left(bytes.size() / 2)),
              "Cannot decode the picture: Premature end of JPEG file");
}

TEST(DecodingADamagedPicture, FailsWhenTheDataIsNoJpegAtAll) {
    EXPECT_EQ(failureMessage(QByteArray("\x89PNG\r\n\x1a\n", 8)),
              "Cannot decode the picture: Not a JPEG file: starts with 0x89 0x50");
    EXPECT_EQ(failureMessage(QByteArray()), "Cannot decode the picture: Empty input file");
}

TEST(DecodingADamagedPicture, FailsWhenTheCompressedDataIsGarbled) {
    QByteArray bytes = titlePictureBytes();
    // A marker that does not belong in the middle of the compressed data.
    bytes.replace(bytes.size() / 2, 2, QByteArray("\xff\xd8", 2));
    const std::string message = failureMessage(bytes);
    EXPECT_EQ(message.rfind("Cannot decode the picture: ", 0), 0u) << message;
}

TEST(DecodingADamagedPicture, LeavesTheDecoderUsableForTheNextPicture) {
    const QByteArray bytes = titlePictureBytes();
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_THROW(decodeJpeg(bytes.left(1000), PictureColours::Palette236), Failure);
    EXPECT_EQ(decodeJpeg(bytes, PictureColours::TrueColour).size(), QSize(608, 374));
}
