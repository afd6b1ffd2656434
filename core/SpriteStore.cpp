#include "SpriteStore.h"

#include <string>

#include "Failure.h"

namespace vexilor {

namespace {

bool insideField(int column, int row) {
    return column >= 0 && column < SpriteStore::kFieldSize && row >= 0 &&
           row < SpriteStore::kFieldSize;
}

}  // namespace

void SpriteStore::reset() {
    clearPixels();
    width_ = 8;
    height_ = 8;
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

void SpriteStore::checkSize(int size, std::string_view asGiven) {
    if (size <= kFieldSize)
        return;
    const std::string shown = asGiven.empty() ? std::to_string(size) : std::string(asGiven);
    throw Failure("'" + shown + "' is not a valid sprite size: at most 64");
}

void SpriteStore::setSize(int width, int height) {
    checkSize(width);
    checkSize(height);
    width_ = width;
    height_ = height;
}

}  // namespace vexilor
