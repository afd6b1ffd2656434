#include "SpriteBytes.h"

#include <algorithm>

namespace vexilor {

namespace {

// The byte of the 8 pixels from `left` on in `row`; pixels beyond `right` count as clear.
std::uint8_t rowByte(const SpriteStore& store, int left, int row, int right) {
    int value = 0;
    for (int x = left; x < left + kCellSize; ++x)
        value = value * 2 + (x < right && store.pixel(x, row) != 0 ? 1 : 0);
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
                bytes.push_back(rowByte(store, c * kCellSize, r * kCellSize + y, store.width()));
        }
    }
    return bytes;
}

int rowByteCount(const SpriteStore& store) {
    return std::max((store.width() + kCellSize - 1) / kCellSize, 0);
}

std::vector<std::uint8_t> spriteRowBytes(const SpriteStore& store) {
    const int rows = std::max(store.height(), 0);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(rows * rowByteCount(store)));
    for (int y = 0; y < rows; ++y) {
        for (int c = 0; c < rowByteCount(store); ++c)
            bytes.push_back(rowByte(store, c * kCellSize, y, store.width()));
    }
    return bytes;
}

std::vector<std::uint8_t> spriteBytes(const SpriteStore& store, ByteOrder order) {
    return order == ByteOrder::RowByRow ? spriteRowBytes(store) : spriteBytes(store);
}

}  // namespace vexilor
