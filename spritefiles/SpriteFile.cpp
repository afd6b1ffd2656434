#include "SpriteFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Failure.h"
#include "ListingReader.h"
#include "QuietDecoding.h"
#include "SpriteImage.h"

namespace vexilor {

namespace {

void refuseLargerThanSpriteFile(qint64 size) {
    if (size > kLargestSpriteFile)
        throw Failure("the file is larger than 2 MiB, more than any sprite file");
}

// Text, as a listing is, has no control characters but tabs, line ends and page breaks,
// while the header of every picture format but a few text ones has some.
bool isText(const QByteArray& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && (byte < '\t' || byte > '\r')) || byte == 0x7F;
    });
}

// How many bytes the text starts with that are ASCII, looked at eight at a time.
qsizetype asciiPrefixLength(const QByteArray& bytes) {
    qsizetype length = 0;
    for (std::uint64_t eight; length + 8 <= bytes.size(); length += 8) {
        std::memcpy(&eight, bytes.data() + length, sizeof eight);
        if ((eight & 0x8080808080808080u) != 0)
            break;
    }
    while (length < bytes.size() && static_cast<unsigned char>(bytes[length]) < 0x80)
        ++length;
    return length;
}

bool isPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer).canRead();
}

}  // namespace

SpriteDocument readListingBytes(const QByteArray& bytes) {
    // readListing skips a byte-order mark itself, which is valid UTF-8.
    if (bytes.isValidUtf8())
        return readListing(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    QStringDecoder fromWindows1251("windows-1251");
    if (!fromWindows1251.isValid())
        throw Failure("this system cannot decode Windows-1251 text");
    // Windows-1251 keeps ASCII as it is, so only the text from the first other byte on
    // goes through the decoder: in a saved listing, the credit lines alone.
    const qsizetype ascii = asciiPrefixLength(bytes);
    const QByteArray utf8 =
        bytes.first(ascii) + QString(fromWindows1251.decode(bytes.sliced(ascii))).toUtf8();
    return readListing(std::string_view(utf8.data(), static_cast<std::size_t>(utf8.size())));
}

SpriteDocument readSpriteBytes(const QByteArray& bytes, bool invertPicture,
                               std::optional<FrameSize> frameSize) {
    refuseLargerThanSpriteFile(bytes.size());
    // A listing is read first: that needs none of the picture format plug-ins, and
    // anything else fails at its first line. Only then is it asked what the bytes are.
    try {
        return readListingBytes(bytes);
    } catch (const ListingError&) {
        if (isText(bytes)) {
            const QuietDecoding quiet;
            if (!isPicture(bytes))
                throw;
        }
    }
    return spriteFromImageBytes(bytes, invertPicture, frameSize);
}

SpriteDocument readSpriteFile(const QString& path, bool invertPicture,
                              std::optional<FrameSize> frameSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw Failure(file.errorString().toStdString());
    refuseLargerThanSpriteFile(file.size());
    // One byte past the size, to see the end; for files whose size the system does not
    // know, one byte past the limit.
    const qint64 size = file.size();
    const QByteArray bytes = file.read((size > 0 ? size : kLargestSpriteFile) + 1);
    if (file.error() != QFileDevice::NoError)
        throw Failure(file.errorString().toStdString());
    return readSpriteBytes(bytes, invertPicture, frameSize);
}

}  // namespace vexilor
