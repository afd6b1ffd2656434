#include "SpriteImage.h"

#include <QImage>
#include <QImageReader>

#include "Failure.h"

namespace vexilor {

SpriteStore spriteFromImageFile(const QString& path, bool invert) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw Failure(reader.errorString().toStdString());
    if (image.width() > SpriteStore::kFieldSize || image.height() > SpriteStore::kFieldSize) {
        throw Failure(QStringLiteral("the picture is %1 x %2 pixels; a sprite is at most 64 x 64")
                          .arg(image.width())
                          .arg(image.height())
                          .toStdString());
    }
    image = image.convertToFormat(QImage::Format_ARGB32);

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

}  // namespace vexilor
