#pragma once

#include <QByteArray>
#include <QImage>

namespace vexilor {

// The colours a decoded picture may use.
enum class PictureColours {
    TrueColour,  // 24-bit RGB
    Palette236,  // 236 colours chosen for the picture, Floyd-Steinberg dithered
};

// The largest picture decoded, in pixels along each side: several times the title
// picture's 608 x 374, and more than any screen a splash window is centred on. A larger
// header is refused before anything is allocated for the picture.
inline constexpr unsigned kLargestPictureSide = 2048;

// Decodes a JPEG at full scale with the floating-point inverse DCT. TrueColour gives a
// Format_RGB888 image; Palette236 a Format_Indexed8 image with at most 236 colours
// chosen in two passes over the picture. Data the JPEG library cannot decode, or a
// picture larger than kLargestPictureSide, throws Failure ("Cannot decode the picture:
// ..."). Damage the library only warns about (stray bytes before a marker, a missing
// end) is decoded as the library does, with what is missing left grey.
QImage decodeJpeg(const QByteArray& bytes, PictureColours colours);

}  // namespace vexilor
