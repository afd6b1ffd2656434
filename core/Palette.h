#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexilor {

// One of "black", "white", "blue", "red", "magenta", "cyan", "green", "yellow".
// Colours are compared as these exact words.
using ColourName = std::string;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PaletteEntry {
    char code;                   // the digit that starts the entry text and selects it
    std::string_view entryText;  // what the user sees in the colour boxes (UTF-8)
    std::string_view name;       // the ColourName
    Rgb swatch;                  // colour swatch and grid background
    Rgb pixel;                   // fill of a set pixel
};

// The eight entries in the order the colour boxes list them.
const std::array<PaletteEntry, 8>& paletteEntries();

// The colour that an entry text starting with `code` selects, if any.
std::optional<ColourName> colourForCode(char code);

Rgb rgbForSwatch(std::string_view colour);
Rgb rgbForPixel(std::string_view colour);

// The sizes offered in the width and height boxes, in order.
const std::array<std::string_view, 5>& spriteSizes();

}  // namespace vexilor
