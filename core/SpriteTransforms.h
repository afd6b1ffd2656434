#pragma once

#include "SpriteStore.h"

namespace vexilor {

// Edits of the sprite's pixels as a whole, for the editor's commands and the converter
// alike. Each works on the pixels inside the sprite's width and height only and leaves
// the rest of the field, the sizes and the colours as they are. Each changes the store
// in one step (SpriteStore::setField): one revision for the whole edit, none when the
// pixels come out as they were. A sprite with no pixels (a size of 0 or less) stays as
// it is.

// Mirrors the sprite left to right: the first column trades places with the last.
void mirrorLeftRight(SpriteStore& store);

// Mirrors the sprite top to bottom: the first row trades places with the last.
void mirrorTopBottom(SpriteStore& store);

// Turns a square sprite a quarter turn clockwise: the top row becomes the right column.
// A sprite that is not square would not fit its own frame once turned, so it stays as it
// is (the editor offers the command for square sprites only).
void rotateClockwise(SpriteStore& store);

enum class ShiftDirection { Left, Right, Up, Down };

// Moves every pixel of the sprite one step; the column or row pushed over the edge comes
// back in at the opposite edge, so no pixel is lost.
void shiftPixels(SpriteStore& store, ShiftDirection direction);

// Sets the clear pixels and clears the set ones.
void invertPixels(SpriteStore& store);

// A rectangle of pixels to paste: `width` x `height` pixels at the top left of `pixels`,
// laid out as the store's field (SpriteStore::pixelIndex). Bits beyond the rectangle do
// not count. A larger picture than 64 x 64 would be cut off by any sprite anyway.
struct PixelPicture {
    int width = 0;
    int height = 0;
    PixelField pixels;
};

// Lays the picture on the sprite, top-left pixel on top-left pixel. Where the picture
// lies, the sprite takes its pixels, set and clear alike; the sprite's other pixels stay
// as they were, and what of the picture lies beyond the sprite's size is cut off.
void pastePixels(SpriteStore& store, const PixelPicture& picture);

}  // namespace vexilor
