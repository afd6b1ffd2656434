#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexilor {

// Sinclair BASIC's line numbers run from 1 to 9999.
constexpr int kLastBasicLine = 9999;

// The lines (without line ends) of a Sinclair BASIC subroutine numbered from `firstLine`
// in steps of 10 that stores the sprite's `bytes` from `address` on, or from USR "A" (the
// first user-defined graphic, wherever RAMTOP is) when no address is given. Its first
// line RESTOREs the subroutine's own first DATA line, so that a game's DATA is never read
// instead, and READs and POKEs every byte; one DATA line of eight values per cell
// follows, then RETURN. It uses the variables i and b. Throws Failure when the last line
// would be numbered past 9999.
std::vector<std::string> basicSubroutine(const std::vector<std::uint8_t>& bytes, int firstLine,
                                         std::optional<int> address);

}  // namespace vexilor
