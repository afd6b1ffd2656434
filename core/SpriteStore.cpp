#include "SpriteStore.h"

#include <string>

#include "Failure.h"
#include "IntegerText.h"

namespace vexilor {

namespace {

int sizeFromText(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value)
        throw Failure("'" + std::string(text) + "' is not a valid integer value");
    if (*value > SpriteStore::kFieldSize) {
        throw Failure("'" + std::string(text) + "' is not a valid sprite size: at most 64");
    }
    return *value;
}

void selectByFirstCharacter(ColourName& colour, std::string_view entryText) {
    if (entryText.empty())
        return;
    if (auto chosen = colourForCode(entryText.front()))
        colour = std::move(*chosen);
}

bool insideField(int column, int row) {
    return column >= 0 && column < SpriteStore::kFieldSize && row >= 0 &&
           row < SpriteStore::kFieldSize;
}

}  // namespace

void SpriteStore::reset() {
    clearPixels();
    width_ = 8;
    height_ = 8;
    brushColour_ = "black";
    backgroundColour_ = "white";
}

void SpriteStore::setPixel(int column, int row, int value) {
    if (column < 0 || column >= width_ || row < 0 || row >= height_)
        return;
    if (!insideField(column, row))
        return;
    const std::size_t index = pixelIndex(column, row);
    if (pixels_[index] == (value != 0))
        return;
    pixels_[index] = value != 0;
    ++pixelRevision_;
}

void SpriteStore::clearPixels() {
    pixels_.reset();
    ++pixelRevision_;
}

void SpriteStore::setField(const PixelField& field) {
    if (field == pixels_)
        return;
    pixels_ = field;
    ++pixelRevision_;
}

void SpriteStore::setWidthFromText(std::string_view text) {
    width_ = sizeFromText(text);
}

void SpriteStore::setHeightFromText(std::string_view text) {
    height_ = sizeFromText(text);
}

void SpriteStore::selectBrush(std::string_view entryText) {
    selectByFirstCharacter(brushColour_, entryText);
}

void SpriteStore::selectBackground(std::string_view entryText) {
    selectByFirstCharacter(backgroundColour_, entryText);
}

}  // namespace vexilor
