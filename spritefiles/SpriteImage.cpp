#include "SpriteImage.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "Failure.h"
#include "PngPicture.h"
#include "QuietDecoding.h"

namespace vexilor {

namespace {

void refuseLargerThanField(QSize size) {
    if (size.width() <= SpriteStore::kFieldSize && size.height() <= SpriteStore::kFieldSize)
        return;
    throw Failure(QStringLiteral("the picture is %1 x %2 pixels; a sprite is at most 64 x 64")
                      .arg(size.width())
                      .arg(size.height())
                      .toStdString());
}

// Every other format Qt's plug-ins read: their complaints about a damaged file are
// Qt's messages, kept quiet while they read.
QImage readSmallPictureThroughQt(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QuietDecoding quiet;
    // A sprite takes 16 KiB at most. The reader's smallest limit, 1 MiB, is far above
    // that, but it stops a header that asks for gigabytes before anything is allocated.
    reader.setAllocationLimit(1);
    // Most formats state their size in a header: those are refused before the picture
    // is decoded, the others once it is read.
    if (const QSize stated = reader.size(); stated.isValid())
        refuseLargerThanField(stated);
    const QImage image = reader.read();
    if (image.isNull())
        throw Failure(reader.errorString().toStdString());
    refuseLargerThanField(image.size());
    return image;
}

}  // namespace

SpriteStore spriteFromImage(const QImage& picture, bool invert) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    SpriteStore store;
    store.setWidthFromText(std::to_string(image.width()));
    store.setHeightFromText(std::to_string(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            // Transparent pixels count as paper.
            const bool dark = qAlpha(colour) >= 128 && qGray(colour) < 128;
            store.setPixel(x, y, dark != invert ? 1 : 0);
        }
    }
    return store;
}

SpriteStore spriteFromImageBytes(const QByteArray& bytes, bool invert) {
    if (isPng(bytes))
        return spriteFromImage(decodePng(bytes, refuseLargerThanField).image, invert);
    return spriteFromImage(readSmallPictureThroughQt(bytes), invert);
}

}  // namespace vexilor
