#include "AutoMask.h"

#include <algorithm>

#include "PixelFieldBits.h"

namespace vexilor {

namespace {

constexpr int kSize = SpriteStore::kFieldSize;

// The frame's width and height, brought into 0 .. 64.
int spriteColumns(const SpriteStore& frame) {
    return std::clamp(frame.width(), 0, kSize);
}
int spriteRows(const SpriteStore& frame) {
    return std::clamp(frame.height(), 0, kSize);
}

// Rows 0 .. rows-1 of a column.
ColumnBits rowRange(int rows) {
    return rows >= kSize ? ~ColumnBits{0} : (ColumnBits{1} << rows) - 1;
}

// `reached` grown up and down through the set bits of `open` as far as they go: each
// step doubles the distance that a run of `open` carries a reached bit.
ColumnBits grownThrough(ColumnBits reached, ColumnBits open) {
    ColumnBits up = open, down = open;
    ColumnBits upwards = reached, downwards = reached;
    for (int distance = 1; distance < kSize; distance *= 2) {
        upwards |= (upwards << distance) & up;
        downwards |= (downwards >> distance) & down;
        up &= up << distance;
        down &= down >> distance;
    }
    return upwards | downwards;
}

}  // namespace

PixelField outsideMask(const SpriteStore& frame) {
    const int columns = spriteColumns(frame), rows = spriteRows(frame);
    const ColumnBits inside = rowRange(rows);
    const ColumnBits edgeRows = rows > 0 ? (ColumnBits{1} | ColumnBits{1} << (rows - 1)) : 0;
    const Columns pixels = columnsOf(frame.pixelField());
    Columns open{}, reached{};
    for (int column = 0; column < columns; ++column) {
        open[column] = ~pixels[column] & inside;
        const bool edgeColumn = column == 0 || column == columns - 1;
        reached[column] = open[column] & (edgeColumn ? inside : edgeRows);
    }
    // Sweeps to the right and back to the left, each carrying what it reached into the next
    // column and along that column's clear runs, until a pair of sweeps reaches nothing new.
    for (bool grew = true; grew;) {
        grew = false;
        const auto carry = [&](int column, int from) {
            const ColumnBits before = reached[column];
            const ColumnBits entering = from >= 0 && from < columns ? reached[from] : 0;
            reached[column] = grownThrough(before | (entering & open[column]), open[column]);
            grew |= reached[column] != before;
        };
        for (int column = 0; column < columns; ++column)
            carry(column, column - 1);
        for (int column = columns - 1; column >= 0; --column)
            carry(column, column + 1);
    }
    Columns mask;
    for (int column = 0; column < kSize; ++column)
        mask[column] = column < columns ? reached[column] | ~inside : ~ColumnBits{0};
    return fieldOf(mask);
}

PixelField outlineMask(const SpriteStore& frame) {
    const int columns = spriteColumns(frame), rows = spriteRows(frame);
    const ColumnBits inside = rowRange(rows);
    const Columns pixels = columnsOf(frame.pixelField());
    // Each set pixel with the pixels above and below it, then with the columns beside.
    Columns tall{};
    for (int column = 0; column < columns; ++column) {
        const ColumnBits set = pixels[column] & inside;
        tall[column] = set | set << 1 | set >> 1;
    }
    Columns mask;
    for (int column = 0; column < kSize; ++column) {
        if (column >= columns) {
            mask[column] = ~ColumnBits{0};
            continue;
        }
        const ColumnBits left = column > 0 ? tall[column - 1] : 0;
        const ColumnBits right = column + 1 < columns ? tall[column + 1] : 0;
        mask[column] = ~((left | tall[column] | right) & inside);
    }
    return fieldOf(mask);
}

}  // namespace vexilor
