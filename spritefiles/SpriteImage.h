#pragma once

#include <QByteArray>

#include "SpriteStore.h"

namespace vexilor {

// Reads a picture file's bytes into a store sized to it: a pixel is set where the
// picture is dark (grey level below half), or light with `invert`. The format is told by
// the bytes. Throws Failure naming the reason when the picture cannot be read or is
// larger than the 64 x 64 field; a picture whose header states a larger size is refused
// before it is decoded.
SpriteStore spriteFromImageBytes(const QByteArray& bytes, bool invert);

}  // namespace vexilor
