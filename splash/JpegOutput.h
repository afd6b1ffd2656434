#pragma once

#include <cstdio>  // jpeglib.h needs FILE declared first

#include <jpeglib.h>

#include "JpegPicture.h"

namespace vexilor {

// The output decodeJpeg asks libjpeg for, once the header is read: full scale, the
// floating-point inverse DCT and RGB, with Palette236 quantised to 236 colours in two
// passes with Floyd-Steinberg dithering. Also for measuring the library beside our
// decoder with the same settings.
void chooseJpegOutput(jpeg_decompress_struct& info, PictureColours colours);

}  // namespace vexilor
