#include "ByteLayout.h"

#include <algorithm>

#include "Failure.h"
#include "FormFailure.h"
#include "ListingLayout.h"

namespace vexilor {

namespace {

constexpr std::uint8_t kClearByte = 0x00;
constexpr std::uint8_t kTransparentByte = 0xFF;

// One frame's graphic or mask as the words of its pixel rows, with what lies beyond the
// laid-out width and left of the first pixel (`fill`, all bits): the bytes of a copy
// shifted right by `shift` pixels are read across that edge.
struct ShiftedRows {
    const PixelRows& rows;
    int columns;  // bytes of the frame itself across a row
    std::uint8_t fill;

    std::uint8_t byteAt(int column, int row) const {
        return column >= 0 && column < columns
                   ? static_cast<std::uint8_t>(rows[row] >> (56 - kCellSize * column) & 0xFF)
                   : fill;
    }
    std::uint8_t shiftedByte(int column, int row, int shift) const {
        if (shift == 0)
            return byteAt(column, row);
        return static_cast<std::uint8_t>(
            (byteAt(column - 1, row) << (kCellSize - shift) | byteAt(column, row) >> shift) & 0xFF);
    }
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
                const std::uint8_t g = graphic.shiftedByte(c, y, shift);
                if (layout.mask == MaskPlacement::None) {
                    piece.bytes.push_back(g);
                    return;
                }
                const std::uint8_t m = transparency.shiftedByte(c, y, shift);
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
