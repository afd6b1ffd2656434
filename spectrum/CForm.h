#pragma once

#include <string>
#include <string_view>

#include "SpriteBytes.h"
#include "SpriteDocument.h"

namespace vexilor {

// The sprite's bytes as a C header fragment that sdcc (-mz80) and z88dk compile into
// read-only data: a comment with the sprite's size, then
// "const unsigned char label[N] = {" with one row of 0x-prefixed hexadecimal values per
// cell or pixel row, its name in a comment, and "};". Lines end in LF. `label` must pass
// checkLabel for C. With two or more frames the array is
// "const unsigned char label[frames][bytes of a frame]", each frame's rows in braces of
// their own. Throws Failure for a sprite that has no bytes in that order.
std::string cSource(const SpriteDocument& document, std::string_view label, ByteOrder order);

}  // namespace vexilor
