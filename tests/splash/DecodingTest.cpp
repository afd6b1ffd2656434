#include <gmock/gmock.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QSet>
#include <QtEndian>
#include <tuple>

#include "CoreTesting.h"
#include "JpegPicture.h"
#include "PngPicture.h"
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

static QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    return bytes;
}
static const auto anySize = [](QSize) {};

// 1-bit, 8-bit and 16-bit grey, a palette with transparency, RGB, RGBA at 8 and 16 bits.
TEST(DecodingAPng, GivesEveryKindOfPixelAsRgbaKeepingItsAlpha) {
    QImage colours(4, 2, QImage::Format_ARGB32);
    const QRgb pixels[] = {qRgba(0, 0, 0, 255),      qRgba(255, 255, 255, 255),
                           qRgba(200, 30, 90, 255),  qRgba(10, 120, 250, 128),
                           qRgba(0, 0, 0, 0),        qRgba(100, 100, 100, 255),
                           qRgba(255, 255, 255, 17), qRgba(127, 128, 129, 255)};
    for (int i = 0; i < 8; ++i)
        colours.setPixel(i % 4, i / 4, pixels[i]);
    for (const auto format : {QImage::Format_Mono, QImage::Format_Grayscale8,
                              QImage::Format_Grayscale16, QImage::Format_Indexed8,
                              QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGBA64}) {
        const QImage kind = colours.convertToFormat(format);
        EXPECT_EQ(vexilor::decodePng(pngOf(kind), anySize).image,
                  kind.convertToFormat(QImage::Format_RGBA8888))
            << format;
    }
}

TEST(DecodingAPng, GivesItsTextEntriesInAnyEncodingBeforeOrAfterThePixels) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setText("vexilor-frame-size", "16x16");
    image.setText("Comment", QString(2000, u'z'));
    image.setText("Title", "Спрайт");
    QByteArray bytes = pngOf(image);
    for (const char* type : {"tEXt", "zTXt", "iTXt"})
        ASSERT_TRUE(bytes.contains(type)) << type;
    // The plain text entry moved to just before the end chunk.
    const qsizetype start = bytes.indexOf("tEXt") - 4;
    const QByteArray entry = bytes.mid(start, 12 + qFromBigEndian<quint32>(&bytes[start]));
    bytes.remove(start, entry.size()).insert(bytes.size() - 12, entry);

    const vexilor::DecodedPicture decoded = vexilor::decodePng(bytes, anySize);
    EXPECT_EQ(decoded.text("vexilor-frame-size"), "16x16");
    EXPECT_EQ(decoded.text("Comment"), QString(2000, u'z'));
    EXPECT_EQ(decoded.text("Title"), "Спрайт");
    EXPECT_TRUE(decoded.text("Author").isNull());
    EXPECT_EQ(decoded.texts.size(), 3);
}

// Standard error, the handler of a fatal signal and Qt's message handler.
static auto processState() {
    struct stat standardError = {};
    fstat(STDERR_FILENO, &standardError);
    struct sigaction onFault = {};
    sigaction(SIGSEGV, nullptr, &onFault);
    const QtMessageHandler messages = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(messages);
    return std::tuple(standardError.st_ino, onFault.sa_handler, messages);
}

TEST(DecodingAPng, RefusesDamageItCannotDecodePastAndLeavesTheProcessAsItWas) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QByteArray bytes = pngOf(image);
    QByteArray badSum = bytes;
    badSum[bytes.indexOf("IDAT") + 6] ^= 0x55;
    for (const QByteArray& damaged :
         {bytes.left(8), bytes.left(bytes.size() / 2), bytes.left(bytes.size() - 12), badSum})
        EXPECT_THAT([&] { vexilor::decodePng(damaged, anySize); },
                    failsWith(vexilor::kUnreadablePicture));

    // The header's size is told before anything else, with the process as it was.
    const auto before = processState();
    const auto refuse = [&before](QSize size) {
        EXPECT_TRUE(processState() == before);
        throw Failure(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    };
    EXPECT_THAT([&] { vexilor::decodePng(bytes, refuse); }, failsWith("8 x 8"));
    EXPECT_EQ(vexilor::decodePng(bytes, anySize).image.size(), QSize(8, 8));
}
