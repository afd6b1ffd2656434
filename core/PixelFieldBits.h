#pragma once

#include <array>
#include <cstdint>

#include "SpriteStore.h"

namespace vexilor {

// Regions and rearrangements of the whole 64 x 64 field, done by shifts and masks on all
// its bits at once: a few dozen operations on 64 words each, instead of a step per pixel.

// Rows 0 .. count-1 of every column; a count beyond 0 .. 64 counts as the nearer end.
const PixelField& topRows(int count);

// Columns 0 .. count-1 whole; a count beyond 0 .. 64 counts as the nearer end.
const PixelField& leftColumns(int count);

// A column of the field as one word: bit `row` is pixel (column, row). The field's layout
// keeps each column in 64 consecutive bits, so a column's pixels move as one word.
using ColumnBits = std::uint64_t;
using Columns = std::array<ColumnBits, SpriteStore::kFieldSize>;
Columns columnsOf(const PixelField& field);
PixelField fieldOf(const Columns& columns);

// Pixel (column, row) moved to (63 - column, row).
PixelField reversedColumns(PixelField field);

// Pixel (column, row) moved to (column, 63 - row).
PixelField reversedRows(PixelField field);

// Pixel (column, row) moved to (row, column).
PixelField transposed(PixelField field);

}  // namespace vexilor
