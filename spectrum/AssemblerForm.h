#pragma once

#include <string>
#include <string_view>

#include "SpriteBytes.h"
#include "SpriteStore.h"

namespace vexilor {

// The sprite's bytes as Z80 assembler source that pasmo, sjasmplus and z88dk's assembler
// all read: a comment line with the label and the sprite's size, the label in column 1
// with a colon on a line of its own, then one indented DEFB line of $-prefixed
// hexadecimal values per cell or pixel row, its name in a comment. Lines end in LF.
// `label` must pass checkLabel for the assembler. Throws Failure for a sprite that has
// no bytes in that order.
std::string assemblerSource(const SpriteStore& store, std::string_view label, ByteOrder order);

}  // namespace vexilor
