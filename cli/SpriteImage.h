#pragma once

#include <QString>

#include "SpriteStore.h"

namespace vexilor {

// Reads a picture file into a store sized to it: a pixel is set where the picture is
// dark (grey level below half), or light with `invert`. Throws Failure naming the
// reason when the file cannot be read or is larger than the 64 x 64 field.
SpriteStore spriteFromImageFile(const QString& path, bool invert);

}  // namespace vexilor
