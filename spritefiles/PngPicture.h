#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

namespace vexilor {

// One text entry of a PNG (a tEXt, zTXt or iTXt chunk).
struct PictureText {
    QString key;
    QString text;
};

// A decoded picture and the text entries it carries, in the order of the file.
struct DecodedPicture {
    QImage image;
    QList<PictureText> texts;

    // The text of the first entry under `key`, or a null text when there is none.
    QString text(const QString& key) const;
};

// What a picture that libpng cannot decode is refused with.
inline constexpr char kUnreadablePicture[] = "Unable to read image data";

// Whether the bytes start with the PNG signature.
bool isPng(const QByteArray& bytes);

// Decodes a PNG through libpng into a Format_RGBA8888 image, 8 bits a channel, with its
// alpha (opaque where the file has none) and its text entries, wherever in the file they
// stand. `checkSize` is given the size the header states before anything is allocated
// for the picture, and may throw to refuse it. Damage that libpng cannot decode past, a
// missing end included, throws Failure(kUnreadablePicture); damage it only warns about
// (an ancillary chunk's checksum, say) is decoded as it does. The library's errors and
// warnings come to functions of this decoder alone: nothing of the process changes while
// a picture is read, so several threads may decode at once.
DecodedPicture decodePng(const QByteArray& bytes, const std::function<void(QSize)>& checkSize);

}  // namespace vexilor
