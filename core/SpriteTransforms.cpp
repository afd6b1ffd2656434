#include "SpriteTransforms.h"

#include <algorithm>

#include "PixelFieldBits.h"

namespace vexilor {

namespace {

constexpr int kSize = SpriteStore::kFieldSize;

// The pixels that a sprite of this size shows.
PixelField spriteArea(int width, int height) {
    return leftColumns(width) & topRows(height);
}

// Gives the sprite's pixels (the rest of the field clear) to `change` with the sprite's
// width and height, and stores what comes back in the sprite in one step. Whatever
// `change` moves beyond the sprite is dropped; the pixels there stay as they were.
template <typename Change>
void changeSprite(SpriteStore& store, Change change) {
    const int width = store.width();
    const int height = store.height();
    if (width <= 0 || height <= 0)
        return;
    const PixelField area = spriteArea(width, height);
    const PixelField field = store.field();
    store.setField((field & ~area) | (change(field & area, width, height) & area));
}

}  // namespace

void mirrorLeftRight(SpriteStore& store) {
    changeSprite(store, [](const PixelField& pixels, int width, int) {
        return reversedColumns(pixels) >> ((kSize - width) * kSize);
    });
}

void mirrorTopBottom(SpriteStore& store) {
    changeSprite(store, [](const PixelField& pixels, int, int height) {
        return reversedRows(pixels) >> (kSize - height);
    });
}

void rotateClockwise(SpriteStore& store) {
    if (store.width() != store.height())
        return;
    // Turning clockwise is mirroring along the diagonal, then left to right.
    changeSprite(store, [](const PixelField& pixels, int width, int) {
        return reversedColumns(transposed(pixels)) >> ((kSize - width) * kSize);
    });
}

void shiftPixels(SpriteStore& store, ShiftDirection direction) {
    // In the field a column is a run of 64 bits, so a step up or down is a one-bit shift;
    // the masks keep a pixel at one column's end from slipping into the next column.
    changeSprite(store, [direction](const PixelField& pixels, int width, int height) {
        switch (direction) {
            case ShiftDirection::Left:
                return (pixels >> kSize) | (pixels << ((width - 1) * kSize));
            case ShiftDirection::Right:
                return (pixels << kSize) | (pixels >> ((width - 1) * kSize));
            case ShiftDirection::Up:
                return ((pixels >> 1) & topRows(height - 1)) |
                       ((pixels & topRows(1)) << (height - 1));
            case ShiftDirection::Down:
                return ((pixels & topRows(height - 1)) << 1) |
                       ((pixels >> (height - 1)) & topRows(1));
        }
        return pixels;
    });
}

void invertPixels(SpriteStore& store) {
    changeSprite(store, [](const PixelField& pixels, int, int) { return ~pixels; });
}

void pastePixels(SpriteStore& store, const PixelPicture& picture) {
    const int width = std::min(store.width(), picture.width);
    const int height = std::min(store.height(), picture.height);
    if (width <= 0 || height <= 0)
        return;
    const PixelField covered = spriteArea(width, height);
    store.setField((store.field() & ~covered) | (picture.pixels & covered));
}

}  // namespace vexilor
