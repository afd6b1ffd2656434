#include "ByteLayout.h"

#include <algorithm>
#include <array>

#include "Failure.h"
#include "FormFailure.h"
#include "ListingLayout.h"

namespace vexilor {

namespace {

constexpr std::uint8_t kClearByte = 0x00;
constexpr std::uint8_t kTransparentByte = 0xFF;

// One frame's graphic or mask as the bytes of its pixel rows, each row framed by `fill`
// (all 8 bits) on the left and beyond the laid-out width: the bytes of a copy shifted
// right by some pixels are read across both edges.
class ShiftedRows {
public:
    ShiftedRows(const PixelRows& rows, int columns, std::uint8_t fill) {
        for (std::size_t y = 0; y < rows.size(); ++y) {
            bytes_[y].fill(fill);
            for (int c = 0; c < columns; ++c)
                bytes_[y][c + 1] = static_cast<std::uint8_t>(rows[y] >> (56 - kCellSize * c));
        }
    }
    std::uint8_t byteAt(int column, int row, int shift) const {
        const auto& bytes = bytes_[static_cast<std::size_t>(row)];
        const auto at = static_cast<std::size_t>(column);
        return static_cast<std::uint8_t>((bytes[at] << kCellSize | bytes[at + 1]) >> shift);
    }

private:
    // The fill, a row's up to 8 bytes, and the fill of the extra byte of shifted copies.
    std::array<std::array<std::uint8_t, SpriteStore::kFieldSize / kCellSize + 2>,
               SpriteStore::kFieldSize>
        bytes_;
};

// What every frame shares in the layout: the bytes and rows laid out, and the sprite's
// pixels kept within them.
struct FrameShape {
    int columns;         // bytes across a pixel row, before the extra one of shifted copies
    int rows;            // pixel rows
    std::uint64_t kept;  // the bits of a pixel row that are laid out
};

FrameShape frameShape(const SpriteDocument& document, ByteOrder order) {
    const SpriteStore size = document.frameStore(0);
    const bool byRows = order == ByteOrder::RowByRow;
    const int columns = byRows ? rowByteCount(size) : cellColumns(size);
    const int rows =
        byRows ? std::max(size.height(), 0) : std::max(size.height() / kCellSize, 0) * kCellSize;
    if (columns == 0 || rows == 0) {
        throw FormFailure("the sprite has no full 8 x 8 cell, so there are no bytes to store",
                          FormFailure::Remedy::RowOrder);
    }
    const int keptWidth =
        byRows ? std::min(size.width(), SpriteStore::kFieldSize) : columns * kCellSize;
    const std::uint64_t kept =
        keptWidth >= 64 ? ~std::uint64_t{0} : ~(~std::uint64_t{0} >> keptWidth);
    return {columns, rows, kept};
}

// Calls `visit(column, row)` for each byte of a piece `columns` bytes wide, in `order`.
template <typename Visit>
void forEachByte(ByteOrder order, int columns, int rows, Visit visit) {
    switch (order) {
        case ByteOrder::CellByCell:
            for (int top = 0; top < rows; top += kCellSize)
                for (int c = 0; c < columns; ++c)
                    for (int y = top; y < top + kCellSize; ++y)
                        visit(c, y);
            return;
        case ByteOrder::ColumnByColumn:
            for (int c = 0; c < columns; ++c)
                for (int y = 0; y < rows; ++y)
                    visit(c, y);
            return;
        case ByteOrder::RowByRow:
            for (int y = 0; y < rows; ++y)
                for (int c = 0; c < columns; ++c)
                    visit(c, y);
            return;
    }
}

// The rows of a frame's mask as pixelRows gives the pixels, transparent beyond what is
// laid out; all opaque within it for a frame without a mask.
PixelRows maskRows(const SpriteDocument& document, int frame, std::uint64_t kept) {
    PixelRows rows{};
    if (const auto& mask = document.frame(frame).mask) {
        SpriteStore store;
        store.setSize(document.width(), document.height());
        store.setField(*mask);
        rows = pixelRows(store);
    }
    for (std::uint64_t& row : rows)
        row = (row & kept) | ~kept;
    return rows;
}

}  // namespace

std::vector<LabelledBytes> layOut(const SpriteDocument& document, const ByteLayout& layout,
                                  std::string_view name) {
    if (layout.shifts != 1 && layout.shifts != 2 && layout.shifts != 4 && layout.shifts != 8) {
        throw Failure("a sprite is laid out in 1, 2, 4 or 8 shifted copies, not " +
                      std::to_string(layout.shifts));
    }
    const FrameShape shape = frameShape(document, layout.order);
    const int columns = shape.columns + (layout.shifts > 1 ? 1 : 0);
    const bool paired = layout.mask == MaskPlacement::Before || layout.mask == MaskPlacement::After;
    const bool masked = layout.mask != MaskPlacement::None;
    const int lineBytes = layout.order == ByteOrder::RowByRow ? columns : kCellSize;
    const std::size_t copyBytes = static_cast<std::size_t>(columns * shape.rows);
    const bool frames = document.frameCount() > 1;
    const std::string sprite(name);

    std::vector<LabelledBytes> pieces;
    pieces.reserve(static_cast<std::size_t>(document.frameCount() * layout.shifts *
                                            (layout.mask == MaskPlacement::Block ? 2 : 1)));
    for (int frame = 0; frame < document.frameCount(); ++frame) {
        PixelRows pixels = pixelRows(document.frameStore(frame));
        for (std::uint64_t& row : pixels)
            row &= shape.kept;
        const PixelRows mask = masked ? maskRows(document, frame, shape.kept) : PixelRows{};
        const ShiftedRows graphic{pixels, shape.columns, kClearByte};
        const ShiftedRows transparency{mask, shape.columns, kTransparentByte};
        const std::string frameName = sprite + "_" + std::to_string(frame + 1);

        for (int copy = 0; copy < layout.shifts; ++copy) {
            const int shift = copy * kCellSize / layout.shifts;
            LabelledBytes piece{{},      {},         frame,
                                shift,   false,      layout.order,
                                columns, shape.rows, lineBytes * (paired ? 2 : 1)};
            if (frame == 0 && copy == 0)
                piece.labels.push_back(sprite);
            if (frames && copy == 0)
                piece.labels.push_back(frameName);
            if (layout.shifts > 1)
                piece.labels.push_back(frameName + "_" + std::to_string(shift));
            LabelledBytes block = piece;
            block.labels = {piece.labels.back() + "_mask"};
            block.isMask = true;
            block.lineLength = lineBytes;

            piece.bytes.reserve(copyBytes * (paired ? 2 : 1));
            block.bytes.reserve(layout.mask == MaskPlacement::Block ? copyBytes : 0);
            forEachByte(layout.order, columns, shape.rows, [&](int c, int y) {
                const std::uint8_t g = graphic.byteAt(c, y, shift);
                if (layout.mask == MaskPlacement::None) {
                    piece.bytes.push_back(g);
                    return;
                }
                const std::uint8_t m = transparency.byteAt(c, y, shift);
                if (layout.mask == MaskPlacement::Before)
                    piece.bytes.push_back(m);
                piece.bytes.push_back(g);
                if (layout.mask == MaskPlacement::After)
                    piece.bytes.push_back(m);
                if (layout.mask == MaskPlacement::Block)
                    block.bytes.push_back(m);
            });
            pieces.push_back(std::move(piece));
            if (layout.mask == MaskPlacement::Block)
                pieces.push_back(std::move(block));
        }
    }
    return pieces;
}

std::string lineName(const LabelledBytes& piece, int line) {
    switch (piece.order) {
        case ByteOrder::RowByRow:
            return "row " + std::to_string(line + 1);
        case ByteOrder::ColumnByColumn: {
            const int cellRows = std::max(piece.rows / kCellSize, 1);
            return listing::cellName(line / cellRows, line % cellRows);
        }
        case ByteOrder::CellByCell:
            break;
    }
    return listing::cellName(line % std::max(piece.columns, 1), line / std::max(piece.columns, 1));
}

std::vector<std::uint8_t> joinedBytes(const std::vector<LabelledBytes>& pieces) {
    std::vector<std::uint8_t> bytes;
    for (const LabelledBytes& piece : pieces)
        bytes.insert(bytes.end(), piece.bytes.begin(), piece.bytes.end());
    return bytes;
}

}  // namespace vexilor
