#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vexilor {

// The Spectrum's eight colours, which the editor shows the sprite in.
enum class Colour { Black, White, Blue, Red, Magenta, Cyan, Green, Yellow };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PaletteEntry {
    char code;                   // the digit that starts the entry text and selects it
    std::string_view entryText;  // what the user sees in the colour boxes (UTF-8)
    Colour colour;
    Rgb swatch;  // colour swatch and grid background
    Rgb pixel;   // fill of a set pixel
};

// The eight entries in the order the colour boxes list them.
const std::array<PaletteEntry, 8>& paletteEntries();

// The colour that an entry text starting with `code` selects, if any.
std::optional<Colour> colourForCode(char code);

Rgb rgbForSwatch(Colour colour);
Rgb rgbForPixel(Colour colour);

// The sizes offered in the width and height boxes, in order.
const std::array<std::string_view, 5>& spriteSizes();

}  // namespace vexilor
