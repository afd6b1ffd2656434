#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vexilor {

// The bytes of a .tap tape image holding one CODE file the way the Spectrum's
// SAVE "name" CODE writes it: a header block with the name (padded with blanks to ten
// characters), the length and the load address, then the data block; each block starts
// with the ROM's flag byte and ends with its checksum. Throws FormFailure for a name of
// more than ten characters or with a character that the Spectrum cannot show (outside
// printable ASCII), Failure when the tape cannot be made.
std::vector<std::uint8_t> codeTape(std::string_view name, std::uint16_t address,
                                   const std::vector<std::uint8_t>& bytes);

}  // namespace vexilor
