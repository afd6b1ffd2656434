#pragma once

#include <QByteArray>
#include <QString>

#include "SpectrumOptions.h"
#include "SpriteStore.h"

namespace vexilor {

// The sprite's BASIC subroutine as text: ASCII lines, each ended by a bare line feed, as
// the tools that turn BASIC text into a tape read it (a carriage return would be kept
// inside the line). Throws Failure when the sprite does not fit the memory or the line
// numbers asked for.
QByteArray basicSubroutineFile(const SpriteStore& store, const SpectrumOptions& options);

// The .tap image holding the sprite's bytes as one CODE file, named after the picture
// file unless a name is given. Throws Failure when the sprite does not fit the memory
// asked for or the name cannot be a tape name.
QByteArray spriteTapeFile(const SpriteStore& store, const SpectrumOptions& options,
                          const QString& picturePath);

}  // namespace vexilor
