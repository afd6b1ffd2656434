#include "SpriteClipboard.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>

#include "Failure.h"
#include "ListingReader.h"
#include "SpriteFile.h"
#include "SpriteListing.h"

namespace vexilor {

namespace {

PixelPicture pictureOf(const SpriteStore& sprite) {
    return PixelPicture{sprite.width(), sprite.height(), sprite.field()};
}

// A picture goes through the sprite file reader, so that pasting and opening it agree on
// which pixels are dark.
PixelPicture fromImage(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const int field = SpriteStore::kFieldSize;
    image.copy(0, 0, std::min(image.width(), field), std::min(image.height(), field))
        .save(&buffer, "PNG");
    return pictureOf(readSpriteBytes(png).frameStore(0));
}

// Rows alone, or a whole listing; where neither reads, the reason of the reader that got
// further.
PixelPicture fromText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    try {
        return pictureOf(readListingBytes(utf8).frameStore(0));
    } catch (const ListingError& asListing) {
        try {
            return pictureOf(readPictureRows(utf8.toStdString()));
        } catch (const ListingError& asRows) {
            const ListingError& further = asRows.line() >= asListing.line() ? asRows : asListing;
            throw Failure(std::string("The clipboard holds no sprite: ") + further.what());
        }
    }
}

}  // namespace

QMimeData* spriteMimeData(const SpriteStore& store) {
    if (store.width() <= 0 || store.height() <= 0)
        return nullptr;
    QImage image(store.width(), store.height(), QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < store.height(); ++y)
        for (int x = 0; x < store.width(); ++x)
            image.setPixel(x, y, store.pixel(x, y));
    // The rows as the listing's picture has them.
    QString rows;
    for (int y = 0; y < store.height(); ++y)
        rows += QString::fromStdString(pictureRow(store, y)) + u'\n';
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setText(rows);
    return data;
}

PixelPicture pastedPixels(const QMimeData* data) {
    if (data != nullptr && data->hasImage())
        return fromImage(qvariant_cast<QImage>(data->imageData()));
    if (data != nullptr && data->hasText())
        return fromText(data->text());
    throw Failure("The clipboard holds no sprite: neither a picture nor rows of 0 and 1");
}

}  // namespace vexilor
