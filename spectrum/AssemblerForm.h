#pragma once

#include <string>
#include <string_view>

#include "ByteLayout.h"
#include "SpriteDocument.h"

namespace vexilor {

// The sprite's bytes as Z80 assembler source that pasmo, sjasmplus and z88dk's assembler
// all read: a comment line with the label and the sprite's size, the label in column 1
// with a colon on a line of its own, then one indented DEFB line of $-prefixed
// hexadecimal values (or values in `base`) per cell or pixel row, its name in a comment.
// The bytes are laid out by layOut, each of its pieces after a line of its own for each of
// its labels; with two or more frames, after the frames comes the table "label_frames:"
// of one DEFW line per frame, in order, each pointing at the frame's first byte. Lines
// end in LF. `label` must pass checkLabel for the assembler. Throws as layOut does.
std::string assemblerSource(const SpriteDocument& document, std::string_view label,
                            const ByteLayout& layout = {},
                            NumberBase base = NumberBase::Hexadecimal);

// "label_1", "label_2", ...: frames are counted from 1, as the editor counts them.
std::string frameLabel(std::string_view label, int frame);

}  // namespace vexilor
