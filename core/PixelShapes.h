#pragma once

#include "SpriteStore.h"

namespace vexilor {

// The shapes that the drawing tools paint, as sets of pixels on the field. Each gives
// only the pixels inside the sprite's `width` and `height`; the corners and ends may lie
// anywhere, also beyond the field, and what of the shape falls outside is left out.

struct PixelPosition {
    int column = 0;
    int row = 0;
    friend bool operator==(const PixelPosition&, const PixelPosition&) = default;
};

// The classic integer line from `from` to `to`, both ends included: one pixel for every
// step along the longer axis, the other axis stepping where the exact line has come
// more than half a pixel away.
PixelField linePixels(PixelPosition from, PixelPosition to, int width, int height);

// The outline of the rectangle with the two pixels as opposite corners.
PixelField rectangleOutline(PixelPosition corner, PixelPosition opposite, int width, int height);

// The whole rectangle with the two pixels as opposite corners.
PixelField filledRectangle(PixelPosition corner, PixelPosition opposite, int width, int height);

// The pixel `start` and every pixel of `field` in its state that joins it through the
// four neighbours, without leaving the sprite: the area that a fill from `start` covers.
// Nothing when `start` lies outside the sprite.
PixelField connectedPixels(const PixelField& field, PixelPosition start, int width, int height);

}  // namespace vexilor
