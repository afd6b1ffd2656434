#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SpriteBytes.h"
#include "SpriteDocument.h"
#include "SpriteStore.h"

namespace vexilor {

// The sprite's bytes as the game sources lay them out: one line per 8 x 8 cell, named
// A1, B1, ... as in the listing, or one per pixel row, named "row 1", ... .
struct SourceByteLine {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

struct SourceBytes {
    std::string summary;  // the sprite's size and how its bytes are laid out
    std::vector<SourceByteLine> lines;
    std::size_t count = 0;  // all the lines' bytes
};

// Throws FormFailure for a sprite that has no bytes in that order (no full cell).
SourceBytes sourceBytes(const SpriteStore& store, ByteOrder order);

// Each frame's bytes as sourceBytes gives them, and what they make together.
struct FrameSourceBytes {
    std::string summary;  // the frames, their size and how their bytes are laid out
    std::vector<SourceBytes> frames;
    std::size_t count = 0;  // all the frames' bytes
};
FrameSourceBytes frameSourceBytes(const SpriteDocument& document, ByteOrder order);

}  // namespace vexilor
