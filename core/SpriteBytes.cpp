#include "SpriteBytes.h"

#include <algorithm>

namespace vexilor {

namespace {

// The byte of the 8 pixels from `left` on in a row (pixels beyond the width are clear).
std::uint8_t rowByte(const PixelRows& rows, int left, int row) {
    return static_cast<std::uint8_t>(rows[row] >> (56 - left) & 0xFF);
}

}  // namespace

PixelRows pixelRows(const SpriteStore& store) {
    PixelRows rows{};
    const int width = std::clamp(store.width(), 0, SpriteStore::kFieldSize);
    const int height = std::clamp(store.height(), 0, SpriteStore::kFieldSize);
    const PixelField& field = store.pixelField();
    // No branch on a pixel: a random sprite's pixels would defeat the branch predictor.
    for (int y = 0; y < height; ++y) {
        std::uint64_t row = 0;
        for (int x = 0; x < width; ++x)
            row |= std::uint64_t{field[SpriteStore::pixelIndex(x, y)]} << (63 - x);
        rows[y] = row;
    }
    return rows;
}

int cellColumns(const SpriteStore& store) {
    return std::max(store.width() / kCellSize, 0);
}

std::vector<std::uint8_t> spriteBytes(const SpriteStore& store) {
    const int cellRows = std::max(store.height() / kCellSize, 0);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(cellRows * cellColumns(store) * kCellSize));
    const PixelRows rows = pixelRows(store);
    for (int r = 0; r < cellRows; ++r) {
        for (int c = 0; c < cellColumns(store); ++c) {
            for (int y = 0; y < kCellSize; ++y)
                bytes.push_back(rowByte(rows, c * kCellSize, r * kCellSize + y));
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
    const PixelRows pixels = pixelRows(store);
    for (int y = 0; y < rows; ++y) {
        for (int c = 0; c < rowByteCount(store); ++c)
            bytes.push_back(rowByte(pixels, c * kCellSize, y));
    }
    return bytes;
}

std::vector<std::uint8_t> spriteBytes(const SpriteStore& store, ByteOrder order) {
    if (order == ByteOrder::RowByRow)
        return spriteRowBytes(store);
    if (order == ByteOrder::CellByCell)
        return spriteBytes(store);
    const int height = std::max(store.height() / kCellSize, 0) * kCellSize;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(height * cellColumns(store)));
    const PixelRows rows = pixelRows(store);
    for (int c = 0; c < cellColumns(store); ++c) {
        for (int y = 0; y < height; ++y)
            bytes.push_back(rowByte(rows, c * kCellSize, y));
    }
    return bytes;
}

std::vector<std::uint8_t> spriteBytes(const SpriteDocument& document, ByteOrder order) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < document.frameCount(); ++i) {
        const std::vector<std::uint8_t> frame = spriteBytes(document.frameStore(i), order);
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    return bytes;
}

}  // namespace vexilor
