#pragma once

#include <QByteArray>
#include <QImage>

#include "SpriteStore.h"

namespace vexilor {

// A store sized to the picture (at most 64 x 64): a pixel is set where the picture is
// dark (grey level below half), or light with `invert`; transparent pixels are paper.
SpriteStore spriteFromImage(const QImage& picture, bool invert);

// Reads a picture file's bytes into a store as spriteFromImage does. The format is told
// by the bytes: PNG through decodePng, the others through Qt's plug-ins. Throws Failure
// naming the reason when the picture cannot be read or is larger than the 64 x 64 field;
// a picture whose header states a larger size is refused before it is decoded.
SpriteStore spriteFromImageBytes(const QByteArray& bytes, bool invert);

}  // namespace vexilor
