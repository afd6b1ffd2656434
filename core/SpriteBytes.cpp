#include "SpriteBytes.h"

#include <algorithm>

namespace vexilor {

namespace {

std::uint8_t rowByte(const SpriteStore& store, int left, int row) {
    int value = 0;
    for (int x = 0; x < kCellSize; ++x)
        value = value * 2 + (store.pixel(left + x, row) != 0 ? 1 : 0);
    return static_cast<std::uint8_t>(value);
}

}  // namespace

int cellColumns(const SpriteStore& store) {
    return std::max(store.width() / kCellSize, 0);
}

std::vector<std::uint8_t> spriteBytes(const SpriteStore& store) {
    const int cellRows = std::max(store.height() / kCellSize, 0);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(cellRows * cellColumns(store) * kCellSize));
    for (int r = 0; r < cellRows; ++r) {
        for (int c = 0; c < cellColumns(store); ++c) {
            for (int y = 0; y < kCellSize; ++y)
                bytes.push_back(rowByte(store, c * kCellSize, r * kCellSize + y));
        }
    }
    return bytes;
}

}  // namespace vexilor
