#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ByteLayout.h"

namespace vexilor {

// The 48K Spectrum's memory as the sprite's forms use it.
constexpr int kFirstRamAddress = 16384;  // RAM starts above the 16K ROM
constexpr int kLastAddress = 65535;      // and ends with the 64K address space
// The user-defined graphics "A" to "U", 21 cells, at the top of a 48K machine's memory:
// USR "A" is 65368 there.
constexpr int kUserGraphicsAddress = 65368;
constexpr int kUserGraphicsCells = 21;

// The sprite's bytes laid out in `layout`, once it is clear that they fit from `address`,
// or in the user-defined graphics when no address is given. Throws Failure saying why not,
// a FormFailure where another address would do.
std::vector<std::uint8_t> bytesThatFit(std::vector<std::uint8_t> bytes, std::optional<int> address,
                                       const ByteLayout& layout = {});

}  // namespace vexilor
