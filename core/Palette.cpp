#include "Palette.h"

#include "Failure.h"

namespace vexilor {

const std::array<PaletteEntry, 8>& paletteEntries() {
    // Green is the one colour shown darker on its swatch than in a set pixel.
    static const std::array<PaletteEntry, 8> entries{{
        {'1', "1 - Синий", "blue", {0, 0, 255}, {0, 0, 255}},
        {'2', "2 - Красный", "red", {255, 0, 0}, {255, 0, 0}},
        {'3', "3 - Розовый", "magenta", {255, 0, 255}, {255, 0, 255}},
        {'4', "4 - Голубой", "cyan", {0, 255, 255}, {0, 255, 255}},
        {'5', "5 - Зеленый", "green", {0, 128, 0}, {0, 255, 0}},
        {'6', "6 - Желтый", "yellow", {255, 255, 0}, {255, 255, 0}},
        {'7', "7 - Белый", "white", {255, 255, 255}, {255, 255, 255}},
        {'0', "0 - Черный", "black", {0, 0, 0}, {0, 0, 0}},
    }};
    return entries;
}

namespace {

const PaletteEntry& entryNamed(std::string_view colour) {
    for (const auto& entry : paletteEntries()) {
        if (entry.name == colour)
            return entry;
    }
    throw Failure("'" + std::string(colour) + "' is not a colour of the palette");
}

}  // namespace

std::optional<ColourName> colourForCode(char code) {
    for (const auto& entry : paletteEntries()) {
        if (entry.code == code)
            return ColourName(entry.name);
    }
    return std::nullopt;
}

Rgb rgbForSwatch(std::string_view colour) {
    return entryNamed(colour).swatch;
}

Rgb rgbForPixel(std::string_view colour) {
    return entryNamed(colour).pixel;
}

const std::array<std::string_view, 5>& spriteSizes() {
    static const std::array<std::string_view, 5> sizes{"8", "16", "24", "32", "64"};
    return sizes;
}

}  // namespace vexilor
