#include "Palette.h"

#include "Failure.h"

namespace vexilor {

const std::array<PaletteEntry, 8>& paletteEntries() {
    // Green is the one colour shown darker on its swatch than in a set pixel.
    static const std::array<PaletteEntry, 8> entries{{
        {'1', "1 - Синий", Colour::Blue, {0, 0, 255}, {0, 0, 255}},
        {'2', "2 - Красный", Colour::Red, {255, 0, 0}, {255, 0, 0}},
        {'3', "3 - Розовый", Colour::Magenta, {255, 0, 255}, {255, 0, 255}},
        {'4', "4 - Голубой", Colour::Cyan, {0, 255, 255}, {0, 255, 255}},
        {'5', "5 - Зеленый", Colour::Green, {0, 128, 0}, {0, 255, 0}},
        {'6', "6 - Желтый", Colour::Yellow, {255, 255, 0}, {255, 255, 0}},
        {'7', "7 - Белый", Colour::White, {255, 255, 255}, {255, 255, 255}},
        {'0', "0 - Черный", Colour::Black, {0, 0, 0}, {0, 0, 0}},
    }};
    return entries;
}

namespace {

const PaletteEntry& entryFor(Colour colour) {
    for (const auto& entry : paletteEntries()) {
        if (entry.colour == colour)
            return entry;
    }
    throw Failure("not a colour of the palette");
}

}  // namespace

std::optional<Colour> colourForCode(char code) {
    for (const auto& entry : paletteEntries()) {
        if (entry.code == code)
            return entry.colour;
    }
    return std::nullopt;
}

Rgb rgbForSwatch(Colour colour) {
    return entryFor(colour).swatch;
}

Rgb rgbForPixel(Colour colour) {
    return entryFor(colour).pixel;
}

const std::array<std::string_view, 5>& spriteSizes() {
    static const std::array<std::string_view, 5> sizes{"8", "16", "24", "32", "64"};
    return sizes;
}

}  // namespace vexilor
