#include "SpriteFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QStringDecoder>
#include <algorithm>

#include "Failure.h"
#include "ListingReader.h"
#include "QuietDecoding.h"
#include "SpriteImage.h"

namespace vexilor {

namespace {

void refuseLargerThanSpriteFile(qint64 size) {
    if (size > kLargestSpriteFile)
        throw Failure("the file is larger than 1 MiB, far more than any sprite file");
}

// Text, as a listing is, has no control characters but tabs, line ends and page breaks,
// while the header of every picture format but a few text ones has some.
bool isText(const QByteArray& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
        return control && !QByteArrayView("\t\n\v\f\r").contains(c);
    });
}

bool isPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer).canRead();
}

}  // namespace

SpriteStore readListingBytes(const QByteArray& bytes) {
    QByteArrayView text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (text.isValidUtf8())
        return readListing(std::string_view(text.data(), static_cast<std::size_t>(text.size())));
    QStringDecoder fromWindows1251("windows-1251");
    if (!fromWindows1251.isValid())
        throw Failure("this system cannot decode Windows-1251 text");
    const QByteArray utf8 = QString(fromWindows1251.decode(bytes)).toUtf8();
    return readListing(std::string_view(utf8.data(), static_cast<std::size_t>(utf8.size())));
}

SpriteStore readSpriteBytes(const QByteArray& bytes, bool invertPicture) {
    refuseLargerThanSpriteFile(bytes.size());
    // Text is read as a listing first, which needs none of the picture format plug-ins;
    // only text that is no listing is asked about.
    if (isText(bytes)) {
        try {
            return readListingBytes(bytes);
        } catch (const ListingError&) {
            const QuietDecoding quiet;
            if (!isPicture(bytes))
                throw;
        }
    }
    const QuietDecoding quiet;
    return spriteFromImageBytes(bytes, invertPicture);
}

SpriteStore readSpriteFile(const QString& path, bool invertPicture) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(file.errorString().toStdString());
    refuseLargerThanSpriteFile(file.size());
    // No more than one byte past the limit, for files whose size the system does not know.
    const QByteArray bytes = file.read(kLargestSpriteFile + 1);
    if (file.error() != QFileDevice::NoError)
        throw Failure(file.errorString().toStdString());
    return readSpriteBytes(bytes, invertPicture);
}

}  // namespace vexilor
