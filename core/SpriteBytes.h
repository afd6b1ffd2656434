#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "SpriteDocument.h"
#include "SpriteStore.h"

namespace vexilor {

// A cell is 8 x 8 pixels: eight bytes, one per pixel row, the leftmost pixel in the top
// bit, which is the form of the Spectrum's user-defined graphics.
constexpr int kCellSize = 8;

// The sprite's pixel rows, each as the bits of one word with the leftmost pixel in the
// top bit; pixels beyond the sprite's width and rows beyond its height are clear.
using PixelRows = std::array<std::uint64_t, SpriteStore::kFieldSize>;
PixelRows pixelRows(const SpriteStore& store);

// How many full cells lie across the sprite; a partial cell at the right is left out.
int cellColumns(const SpriteStore& store);

// The eight bytes of every full cell, cell after cell: A1, B1, ... along the top cell
// row, then A2, ... . The listing, the BASIC subroutine and the tape all use this order.
std::vector<std::uint8_t> spriteBytes(const SpriteStore& store);

// How many bytes one pixel row takes across the whole width: a byte per 8 pixels, and
// one more for a partial group at the right.
int rowByteCount(const SpriteStore& store);

// The sprite row by row, each pixel row as rowByteCount bytes from left to right, the
// leftmost pixel in the top bit; a partial last byte is padded with clear pixels on the
// right. This is the order in which sprite drawing routines read a sprite of any size,
// so unlike the cell order it leaves out no pixel.
std::vector<std::uint8_t> spriteRowBytes(const SpriteStore& store);

// The orders the converter gives the sprite's bytes in: cell by cell along each cell row
// (A1, B1, ... then A2, ...), each pixel row across the whole width, or each 8-pixel-wide
// column of full cells top to bottom (A1, A2, ... then B1, ...).
enum class ByteOrder { CellByCell, RowByRow, ColumnByColumn };
std::vector<std::uint8_t> spriteBytes(const SpriteStore& store, ByteOrder order);

// Every frame's bytes in `order`, one frame after another.
std::vector<std::uint8_t> spriteBytes(const SpriteDocument& document, ByteOrder order);

}  // namespace vexilor
