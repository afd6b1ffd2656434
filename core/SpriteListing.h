#pragma once

#include <string>
#include <vector>

#include "SpriteDocument.h"
#include "SpriteStore.h"

namespace vexilor {

// The listing's lines (UTF-8), without line terminators.
using SpriteListing = std::vector<std::string>;

// The credit lines that the Convert button adds below the picture.
const std::vector<std::string>& creditLines();

// One "DATA" line per full 8 x 8 cell (A1, B1, ... then A2, ...), two empty lines, the
// sprite's rows as "0" and "1" digits, and with credits two empty lines and the credits.
// readListing (ListingReader.h) reads such a text back.
SpriteListing makeListing(const SpriteStore& store, bool withCredits);

// Every frame's block as makeListing writes a frame without credits, in order, the blocks
// apart by two empty lines; a frame with a mask has, after its rows, two empty lines, the
// line "Маска:" and the mask's block as a frame's (1 where the background shows through); the
// credits, when asked for, once at the end. A document of one frame gives its frame's listing.
SpriteListing makeListing(const SpriteDocument& document, bool withCredits);

// Row `row` of the sprite as the listing's picture has it: four blanks, then a "0" or "1"
// per pixel.
std::string pictureRow(const SpriteStore& store, int row);

}  // namespace vexilor
