#pragma once

#include <string>
#include <string_view>

#include "ByteLayout.h"
#include "SpriteDocument.h"

namespace vexilor {

// The sprite's bytes as a C header fragment that sdcc (-mz80) and z88dk compile into
// read-only data: a comment with the sprite's size, then
// "const unsigned char label[N] = {" with one row of 0x-prefixed hexadecimal values (or
// values in `base`) per cell or pixel row, its name in a comment, and "};". Lines end in
// LF. `label` must pass checkLabel for C. With two or more frames the array is
// "const unsigned char label[frames][bytes of a frame]", each frame's rows in braces of
// their own. With a mask block or shifted copies, each piece that layOut gives becomes an
// array of its own, named by the piece's own label. Throws as layOut does.
std::string cSource(const SpriteDocument& document, std::string_view label,
                    const ByteLayout& layout = {}, NumberBase base = NumberBase::Hexadecimal);

}  // namespace vexilor
