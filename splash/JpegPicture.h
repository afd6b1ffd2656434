#pragma once

#include <QByteArray>
#include <QImage>

namespace vexilor {

// The colours a decoded picture may use.
enum class PictureColours {
    TrueColour,  // 24-bit RGB
    Palette236,  // 236 colours chosen for the picture, Floyd-Steinberg dithered
};

// Decodes a JPEG at full scale with the floating-point inverse DCT. TrueColour gives a
// Format_RGB888 image; Palette236 a Format_Indexed8 image with at most 236 colours
// chosen in two passes over the picture. Data that is not a complete, undamaged JPEG
// throws Failure ("Cannot decode the picture: ...").
QImage decodeJpeg(const QByteArray& bytes, PictureColours colours);

}  // namespace vexilor
