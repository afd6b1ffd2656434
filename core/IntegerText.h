#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexilor {

// Reads a whole number the way the size boxes accept it: leading blanks, one optional
// sign, then decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Decimal values must fit 32 signed bits; hexadecimal values of up to eight digits are
// taken as a 32-bit pattern ("$FFFFFFFF" is -1). Anything else gives no value.
std::optional<std::int32_t> parseInteger(std::string_view text);

}  // namespace vexilor
