#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ByteLayout.h"
#include "SpriteDocument.h"

namespace vexilor {

// Where the BASIC subroutine starts when its user gives no first line.
constexpr int kDefaultFirstLine = 9000;

// The forms take every frame's bytes, one frame after another, and count the room they
// need over all of them.

// The sprite's BASIC subroutine, numbered from `firstLine`, that stores the bytes from
// `address` or in the user-defined graphics, as text: ASCII lines, each ended by a bare
// line feed, as the tools that turn BASIC text into a tape read it (a carriage return
// would be kept inside the line). Throws Failure when the sprite does not fit the memory
// or the line numbers.
std::string basicSubroutineFile(const SpriteDocument& document, int firstLine,
                                std::optional<int> address);

// The .tap image holding the sprite's bytes laid out in `layout` (every piece, one after
// another) as one CODE file named `name`, loaded at `address` or in the user-defined
// graphics. Throws Failure when the sprite does not fit the memory or the name cannot be
// a tape name.
std::vector<std::uint8_t> spriteTapeFile(const SpriteDocument& document, const ByteLayout& layout,
                                         std::optional<int> address, std::string_view name);

// The first ten characters of a UTF-8 text, as many as a tape name has, never cutting
// one in two.
std::string_view tapeNameCut(std::string_view text);

}  // namespace vexilor
