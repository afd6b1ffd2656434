#include "PixelShapes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "PixelFieldBits.h"

namespace vexilor {

namespace {

constexpr int kSize = SpriteStore::kFieldSize;

// The columns `first` .. `last` and rows `top` .. `bottom` of the field, inside the
// sprite; nothing when either range is empty.
PixelField block(int first, int last, int top, int bottom, int width, int height) {
    const PixelField columns = leftColumns(std::min(last + 1, width)) & ~leftColumns(first);
    const PixelField rows = topRows(std::min(bottom + 1, height)) & ~topRows(top);
    return columns & rows;
}

// The unbroken run of `bits` that holds bit `row` (which must be set).
ColumnBits runAround(ColumnBits bits, int row) {
    const ColumnBits bit = ColumnBits{1} << row;
    // Adding the bit carries through the run above it, which the difference then shows.
    const ColumnBits upwards = ((bits + bit) ^ bits) & bits;
    const ColumnBits throughRow = (bit << 1) - 1;  // rows 0 .. row
    const ColumnBits gapsBelow = ~bits & (bit - 1);
    if (gapsBelow == 0)
        return upwards | throughRow;
    const int lastGap = kSize - 1 - std::countl_zero(gapsBelow);
    const ColumnBits throughGap = (ColumnBits{2} << lastGap) - 1;
    return upwards | (throughRow & ~throughGap);
}

}  // namespace

PixelField linePixels(PixelPosition from, PixelPosition to, int width, int height) {
    PixelField pixels;
    const auto plot = [&](int column, int row) {
        if (column >= 0 && column < std::min(width, kSize) && row >= 0 &&
            row < std::min(height, kSize))
            pixels.set(SpriteStore::pixelIndex(column, row));
    };
    const int columnStep = to.column < from.column ? -1 : 1;
    const int rowStep = to.row < from.row ? -1 : 1;
    const int across = std::abs(to.column - from.column);
    const int down = std::abs(to.row - from.row);
    const bool wide = across >= down;
    const int major = wide ? across : down;
    const int minor = wide ? down : across;
    // Twice the distance of the exact line from the drawn pixel's middle, less a pixel,
    // in units of 1 / major: above 0 the minor axis steps.
    int error = 2 * minor - major;
    int column = from.column, row = from.row;
    plot(column, row);
    for (int step = 0; step < major; ++step) {
        const bool minorStep = error > 0;
        if (minorStep)
            error -= 2 * major;
        error += 2 * minor;
        if (wide || minorStep)
            column += columnStep;
        if (!wide || minorStep)
            row += rowStep;
        plot(column, row);
    }
    return pixels;
}

PixelField filledRectangle(PixelPosition corner, PixelPosition opposite, int width, int height) {
    return block(std::min(corner.column, opposite.column), std::max(corner.column, opposite.column),
                 std::min(corner.row, opposite.row), std::max(corner.row, opposite.row), width,
                 height);
}

PixelField rectangleOutline(PixelPosition corner, PixelPosition opposite, int width, int height) {
    const int first = std::min(corner.column, opposite.column);
    const int last = std::max(corner.column, opposite.column);
    const int top = std::min(corner.row, opposite.row);
    const int bottom = std::max(corner.row, opposite.row);
    const PixelField inside = block(first + 1, last - 1, top + 1, bottom - 1, kSize, kSize);
    return block(first, last, top, bottom, width, height) & ~inside;
}

PixelField connectedPixels(const PixelField& field, PixelPosition start, int width, int height) {
    width = std::min(width, kSize);
    height = std::min(height, kSize);
    const bool inside =
        start.column >= 0 && start.column < width && start.row >= 0 && start.row < height;
    if (!inside)
        return {};
    // The pixels that the fill may reach: those in the start's state, inside the sprite.
    const PixelField sprite = block(0, width - 1, 0, height - 1, kSize, kSize);
    const bool set = field[SpriteStore::pixelIndex(start.column, start.row)];
    const Columns open = columnsOf((set ? field : ~field) & sprite);

    // Whole runs of a column at a time: each run reached is marked and kept for its
    // neighbours in the columns left and right, so every run is taken once.
    Columns reached{};
    std::array<std::pair<int, ColumnBits>, kSize * kSize / 2> pending;
    int pendingCount = 0;
    const auto reach = [&](int column, int row) {
        const ColumnBits run = runAround(open[column], row);
        reached[column] |= run;
        pending[pendingCount++] = {column, run};
    };
    reach(start.column, start.row);
    while (pendingCount > 0) {
        const auto [column, run] = pending[--pendingCount];
        for (const int next : {column - 1, column + 1}) {
            if (next < 0 || next >= width)
                continue;
            for (ColumnBits touched = run & open[next] & ~reached[next]; touched != 0;
                 touched &= ~reached[next])
                reach(next, std::countr_zero(touched));
        }
    }
    return fieldOf(reached);
}

}  // namespace vexilor
