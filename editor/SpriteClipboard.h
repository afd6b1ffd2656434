#pragma once

#include "SpriteStore.h"
#include "SpriteTransforms.h"

class QMimeData;

namespace vexilor {

// What Copy puts on the clipboard: the sprite's width x height pixels as a picture, black
// on white, and as the listing's rows of 0 and 1. Null for a sprite without pixels.
QMimeData* spriteMimeData(const SpriteStore& store);

// What Paste takes from the clipboard: a picture, whose dark pixels are set (of a larger
// picture, its top-left 64 x 64 pixels), or rows of 0 and 1, alone or in a whole listing.
// Throws Failure saying why the clipboard holds no sprite.
PixelPicture pastedPixels(const QMimeData* data);

}  // namespace vexilor
