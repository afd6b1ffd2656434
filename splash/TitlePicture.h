#pragma once

#include <QByteArray>
#include <QImage>

#include "JpegPicture.h"

namespace vexilor {

// The colours this display can show: Palette236 on displays of 8 or fewer bits per
// pixel. The depth is read at the first call and kept for the rest of the run, so the
// program start calls this once early.
PictureColours displayPictureColours();

// The JPEG bytes of the title picture built into the program.
QByteArray titlePictureBytes();

// The title picture, decoded for this display.
QImage loadTitlePicture();

}  // namespace vexilor
