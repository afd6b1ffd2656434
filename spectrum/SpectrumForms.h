#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SpectrumOptions.h"
#include "SpriteStore.h"

namespace vexilor {

// The sprite's BASIC subroutine as text: ASCII lines, each ended by a bare line feed, as
// the tools that turn BASIC text into a tape read it (a carriage return would be kept
// inside the line). Throws Failure when the sprite does not fit the memory or the line
// numbers asked for.
std::string basicSubroutineFile(const SpriteStore& store, const SpectrumOptions& options);

// The .tap image holding the sprite's bytes, in the options' order, as one CODE file, named
// `defaultName` (UTF-8, cut to the ten characters a tape name has) unless the options give a name.
// Throws Failure when the sprite does not fit the memory asked for or the name cannot be a tape
// name.
std::vector<std::uint8_t> spriteTapeFile(const SpriteStore& store, const SpectrumOptions& options,
                                         std::string_view defaultName);

}  // namespace vexilor
