#pragma once

#include "SpriteStore.h"

namespace vexilor {

// The masks made from a frame's picture, as the editor's mask commands and the
// converter's --auto-mask make them. Each reads only the pixels inside the frame's width
// and height and gives a whole field in which bit 1 lets the background show through;
// the field's bits beyond the width and height are 1 (transparent) as well, as the byte
// layouts read the bits beyond the sprite.

// Every clear pixel that joins the sprite's edge through clear pixels, stepping up, down,
// left or right, is transparent; every other pixel is opaque, so that holes enclosed by
// the picture keep it in front of the background.
PixelField outsideMask(const SpriteStore& frame);

// A pixel is opaque exactly when it or one of its eight neighbours is set: a one-pixel
// outline that keeps the picture readable on any background.
PixelField outlineMask(const SpriteStore& frame);

}  // namespace vexilor
