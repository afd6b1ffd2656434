#pragma once

#include <QByteArray>
#include <QString>

#include "SpriteStore.h"

namespace vexilor {

// Reads a picture file into a store sized to it: a pixel is set where the picture is
// dark (grey level below half), or light with `invert`. Throws Failure naming the
// reason when the file cannot be read or is larger than the 64 x 64 field; a picture
// whose header states a larger size is refused before it is decoded.
SpriteStore spriteFromImageFile(const QString& path, bool invert);

// The same for a picture file's bytes held in memory; the format is told by the bytes.
SpriteStore spriteFromImageBytes(const QByteArray& bytes, bool invert);

}  // namespace vexilor
