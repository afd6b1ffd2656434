#pragma once

#include <cstdint>
#include <vector>

#include "SpriteStore.h"

namespace vexilor {

// A cell is 8 x 8 pixels: eight bytes, one per pixel row, the leftmost pixel in the top
// bit, which is the form of the Spectrum's user-defined graphics.
constexpr int kCellSize = 8;

// How many full cells lie across the sprite; a partial cell at the right is left out.
int cellColumns(const SpriteStore& store);

// The eight bytes of every full cell, cell after cell: A1, B1, ... along the top cell
// row, then A2, ... . The listing, the BASIC subroutine and the tape all use this order.
std::vector<std::uint8_t> spriteBytes(const SpriteStore& store);

}  // namespace vexilor
