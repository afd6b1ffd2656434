#include "PixelFieldBits.h"

#include <algorithm>
#include <array>

namespace vexilor {

namespace {

constexpr int kSize = SpriteStore::kFieldSize;
// A column or row number has six bits; each rearrangement takes a step per bit.
constexpr int kSteps = 6;

// The bit of a column or row number that step `step` works on: 32, 16, ..., 1.
int stepBit(int step) {
    return kSize >> (step + 1);
}

// The pixels (column, row) for which `chosen` holds.
template <typename Chosen>
PixelField pixelsWhere(Chosen chosen) {
    PixelField field;
    for (int column = 0; column < kSize; ++column)
        for (int row = 0; row < kSize; ++row)
            field[SpriteStore::pixelIndex(column, row)] = chosen(column, row);
    return field;
}

// The masks of each step: the rows, and the columns, whose number has the step's bit
// clear (the lower block of each pair that trades places), and the pixels that trade
// places across the diagonal (the bit clear in the column number, set in the row number).
struct StepMasks {
    std::array<PixelField, kSteps> lowerRows;
    std::array<PixelField, kSteps> lowerColumns;
    std::array<PixelField, kSteps> diagonalMovers;
};

const StepMasks& stepMasks() {
    static const StepMasks masks = [] {
        StepMasks made;
        for (int step = 0; step < kSteps; ++step) {
            const int bit = stepBit(step);
            made.lowerRows[step] = pixelsWhere([bit](int, int row) { return !(row & bit); });
            made.lowerColumns[step] =
                pixelsWhere([bit](int column, int) { return !(column & bit); });
            made.diagonalMovers[step] = made.lowerColumns[step] & ~made.lowerRows[step];
        }
        return made;
    }();
    return masks;
}

// One region for each count from 0 to 64, made once: the regions serve every edit.
template <typename Chosen>
std::array<PixelField, kSize + 1> regionTable(Chosen chosen) {
    std::array<PixelField, kSize + 1> table;
    for (int count = 0; count <= kSize; ++count)
        table[count] = pixelsWhere([&](int column, int row) { return chosen(column, row, count); });
    return table;
}

// Trades every block of `distance` bits marked in `lower` with the block that lies
// `distance` bits above it.
PixelField tradeBlocks(const PixelField& field, std::size_t distance, const PixelField& lower) {
    return ((field >> distance) & lower) | ((field & lower) << distance);
}

}  // namespace

const PixelField& topRows(int count) {
    static const auto table = regionTable([](int, int row, int count) { return row < count; });
    return table[std::clamp(count, 0, kSize)];
}

const PixelField& leftColumns(int count) {
    static const auto table =
        regionTable([](int column, int, int count) { return column < count; });
    return table[std::clamp(count, 0, kSize)];
}

Columns columnsOf(const PixelField& field) {
    static const PixelField firstColumn = leftColumns(1);
    Columns columns;
    PixelField rest = field;
    for (int column = 0; column < kSize; ++column, rest >>= kSize)
        columns[column] = (rest & firstColumn).to_ullong();
    return columns;
}

PixelField fieldOf(const Columns& columns) {
    PixelField field;
    for (int column = kSize - 1; column >= 0; --column) {
        field <<= kSize;
        field |= PixelField(columns[column]);
    }
    return field;
}

PixelField reversedColumns(PixelField field) {
    for (int step = 0; step < kSteps; ++step)
        field = tradeBlocks(field, stepBit(step) * kSize, stepMasks().lowerColumns[step]);
    return field;
}

PixelField reversedRows(PixelField field) {
    for (int step = 0; step < kSteps; ++step)
        field = tradeBlocks(field, stepBit(step), stepMasks().lowerRows[step]);
    return field;
}

PixelField transposed(PixelField field) {
    // Each step trades the step's bit between the column and the row number: pixel
    // (column, row) with the bit clear in the column and set in the row trades places
    // with (column + bit, row - bit), which lies 63 * bit further on.
    for (int step = 0; step < kSteps; ++step) {
        const int bit = stepBit(step);
        const std::size_t distance = bit * (kSize - 1);
        const PixelField differing =
            (field ^ (field >> distance)) & stepMasks().diagonalMovers[step];
        field ^= differing | (differing << distance);
    }
    return field;
}

}  // namespace vexilor
