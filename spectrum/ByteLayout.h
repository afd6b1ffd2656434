#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SpriteBytes.h"
#include "SpriteDocument.h"

namespace vexilor {

// Where a frame's mask bytes go among its graphic's bytes.
enum class MaskPlacement {
    None,    // no mask byte is written
    Before,  // each graphic byte right after the mask byte of the same pixels
    After,   // each graphic byte right before the mask byte of the same pixels
    Block,   // the mask's bytes, in the graphic's order, as a piece of their own after it
};

// How the sprite's bytes are laid out for a game's drawing routine. The converter and the
// editor's export both hand these plain values to layOut, so that both write the same bytes.
struct ByteLayout {
    ByteOrder order = ByteOrder::CellByCell;
    MaskPlacement mask = MaskPlacement::None;
    // 1: each frame once, as it is. 2, 4 or 8: each frame as that many copies shifted right
    // by 0, 8 / shifts, 2 * 8 / shifts, ... pixels, every copy one byte wider per pixel row
    // (one more column of cells), so that a game can draw it at any pixel without shifting.
    int shifts = 1;
    friend bool operator==(const ByteLayout&, const ByteLayout&) = default;
};

// How the sources write each byte: $3C / 0x3C, 60, or %00111100 / 0b00111100.
enum class NumberBase { Hexadecimal, Decimal, Binary };

// One run of bytes that the sources label: a frame's graphic (or one shifted copy of it),
// with its mask paired in or not, or the mask block that follows it.
struct LabelledBytes {
    // Every label at the piece's first byte, the widest first: the sprite's own name on the
    // very first piece, then the frame's ("ship_2", with frames), then the copy's
    // ("ship_2_4", with shifts). The last one is the piece's own; a mask block has only
    // its own, the label of the piece it masks followed by "_mask".
    std::vector<std::string> labels;
    std::vector<std::uint8_t> bytes;
    int frame = 0;        // the frame the bytes come from, counted from 0
    int shift = 0;        // how many pixels this copy is shifted right by
    bool isMask = false;  // a mask block
    // What the sources write one line each of (see lineName): in cell and column order a
    // cell, in row order a pixel row; `columns` cells or bytes across, `rows` pixel rows.
    ByteOrder order = ByteOrder::CellByCell;
    int columns = 0;
    int rows = 0;
    int lineLength = 0;  // bytes per line, mask bytes paired in included
};

// The document's bytes in `layout`, piece after piece as they are to be stored: each frame
// in turn, each of its copies, each followed by its mask block where the mask is one.
// `name` is the sprite's label. Frames without a mask are given an all-opaque one where
// the layout has a mask. Pixels beyond the sprite's width, and those shifted in, are clear
// in the graphic and transparent (1) in the mask; cell and column order leave out partial
// cells, as the listing's DATA lines do. Throws FormFailure (the row order would do) for a
// sprite that has no bytes in that order, Failure for a shift count other than 1, 2, 4, 8.
std::vector<LabelledBytes> layOut(const SpriteDocument& document, const ByteLayout& layout,
                                  std::string_view name);

// The name of the piece's line `line`, counted from 0: "A1", "B1", ... for cells in either
// order (the listing's names), "row 1", ... for pixel rows.
std::string lineName(const LabelledBytes& piece, int line);

// All the pieces' bytes, one after another, as they lie in memory.
std::vector<std::uint8_t> joinedBytes(const std::vector<LabelledBytes>& pieces);

}  // namespace vexilor
