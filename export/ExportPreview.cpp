#include "ExportPreview.h"

#include <QImage>

namespace vexilor {

namespace {

int byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes.at(at));
}

int wordAt(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

// A tape's CODE header block: its length word, the flag, the type, the ten-character
// name, the data's length and address, the second parameter, the checksum.
constexpr qsizetype kHeaderBlock = 2 + 19;
constexpr qsizetype kNameAt = 4, kLengthAt = 14, kAddressAt = 16;
constexpr int kBytesPerLine = 16;

QString tapePreview(const QByteArray& tape) {
    // The data block follows the header: its length word and flag, then the bytes.
    const qsizetype dataAt = kHeaderBlock + 3;
    if (tape.size() < dataAt)
        return {};
    const int length = wordAt(tape, kLengthAt);
    QString text = QStringLiteral("Лента: файл CODE \"%1\", адрес %2, длина %3 байт\n")
                       .arg(QString::fromLatin1(tape.mid(kNameAt, 10)).trimmed())
                       .arg(wordAt(tape, kAddressAt))
                       .arg(length);
    const QByteArray data = tape.mid(dataAt, length);
    for (qsizetype line = 0; line < data.size(); line += kBytesPerLine) {
        text += QStringLiteral("\n%1:").arg(wordAt(tape, kAddressAt) + line, 5);
        for (qsizetype i = line; i < std::min<qsizetype>(line + kBytesPerLine, data.size()); ++i)
            text += QStringLiteral(" %1").arg(byteAt(data, i), 2, 16, QLatin1Char('0')).toUpper();
    }
    return text + u'\n';
}

QString picturePreview(const QByteArray& png, const SpriteDocument& document) {
    const QImage picture = QImage::fromData(png, "PNG");
    return QStringLiteral(
               "Картинка PNG %1 x %2 точек: кадров %3 по %4 x %5 точек в один ряд; "
               "%6 байт\n")
        .arg(picture.width())
        .arg(picture.height())
        .arg(document.frameCount())
        .arg(document.width())
        .arg(document.height())
        .arg(png.size());
}

}  // namespace

QString exportPreview(ExportForm form, const QByteArray& bytes, const SpriteDocument& document) {
    switch (form) {
        case ExportForm::Tape:
            return tapePreview(bytes);
        case ExportForm::Picture:
            return picturePreview(bytes, document);
        default:
            return QString::fromUtf8(bytes);
    }
}

}  // namespace vexilor
