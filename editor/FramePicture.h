#pragma once

#include <QImage>

#include "Palette.h"
#include "SpriteDocument.h"

namespace vexilor {

// One frame of the sprite as a picture of its width x height pixels, set pixels in the
// brush's fill colour and clear ones in the background's swatch colour, as the grid shows
// them. A sprite without pixels gives a null picture.
QImage framePicture(const SpriteDocument& document, int frame, Colour brush, Colour background);

}  // namespace vexilor
