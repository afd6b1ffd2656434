#pragma once

#include <string>
#include <string_view>

#include "SpriteBytes.h"
#include "SpriteDocument.h"

namespace vexilor {

// The sprite's bytes as Z80 assembler source that pasmo, sjasmplus and z88dk's assembler
// all read: a comment line with the label and the sprite's size, the label in column 1
// with a colon on a line of its own, then one indented DEFB line of $-prefixed
// hexadecimal values per cell or pixel row, its name in a comment. With two or more
// frames, each frame's first byte also gets the label frameLabel gives it, and after the
// frames comes the table "label_frames:" of one DEFW line per frame, in order. Lines end
// in LF. `label` must pass checkLabel for the assembler. Throws Failure for a sprite that
// has no bytes in that order.
std::string assemblerSource(const SpriteDocument& document, std::string_view label,
                            ByteOrder order);

// "label_1", "label_2", ...: frames are counted from 1, as the editor counts them.
std::string frameLabel(std::string_view label, int frame);

}  // namespace vexilor
