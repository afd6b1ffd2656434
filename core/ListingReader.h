#pragma once

#include <string>
#include <string_view>

#include "Failure.h"
#include "SpriteDocument.h"
#include "SpriteStore.h"

namespace vexilor {

// A text that is no listing: which line (counted from 1) and what is wrong there.
class ListingError : public Failure {
public:
    // what() is "line N: problem".
    ListingError(int line, const std::string& problem);
    int line() const { return line_; }

private:
    int line_;
};

// Reads a listing as makeListing writes it, with or without the credits, into a document
// of the rows' width and height with their pixels: a frame for each block of DATA lines,
// two empty lines and rows, the blocks apart by two empty lines; a frame's rows may be
// followed by two empty lines, the line "Маска:" and its mask's block, of the frame's size
// (1: transparent; transparent beyond the sprite too). The rows of 0 and 1 give each frame
// and mask, and its DATA lines must be the ones those rows give. Frames of another size
// than the first, and more than 256 frames, are refused. `text` is UTF-8 and may start with a
// byte-order mark; each line ends in LF or CR LF, the last one optionally. Nothing else is taken:
// any other text throws ListingError naming the line where the problem shows. A text that ends
// before its first row names its last line (line 1 when it has none).
SpriteDocument readListing(std::string_view text);

// Reads the rows of 0 and 1 alone, as the listing's picture section has them (with its
// four blanks, or with other blanks or none before each row), such as a copied sprite.
// Empty lines may follow the rows; anything else throws ListingError.
SpriteStore readPictureRows(std::string_view text);

}  // namespace vexilor
