#include "SpectrumMemory.h"

#include <string>

#include "Failure.h"
#include "FormFailure.h"
#include "SpriteBytes.h"

namespace vexilor {

namespace {

// How the bytes are laid out, where it is anything but the cells as they are.
std::string layoutText(const ByteLayout& layout) {
    std::string text = layout.order == ByteOrder::RowByRow         ? "row by row"
                       : layout.order == ByteOrder::ColumnByColumn ? "column by column"
                                                                   : "cell by cell";
    if (layout.mask != MaskPlacement::None)
        text += " with the mask";
    if (layout.shifts > 1)
        text += " in " + std::to_string(layout.shifts) + " shifted copies";
    return text;
}

}  // namespace

std::vector<std::uint8_t> bytesThatFit(std::vector<std::uint8_t> bytes, std::optional<int> address,
                                       const ByteLayout& layout) {
    const int count = static_cast<int>(bytes.size());
    if (count == 0)
        throw Failure("the sprite has no full 8 x 8 cell, so there are no bytes to store");
    const int cells = count / kCellSize;
    const bool overGraphics = !address && cells > kUserGraphicsCells;
    if (overGraphics && layout != ByteLayout{}) {
        throw FormFailure("the sprite's " + std::to_string(count) + " bytes " + layoutText(layout) +
                              " are more than the " +
                              std::to_string(kUserGraphicsCells * kCellSize) +
                              " that the user-defined graphics hold",
                          FormFailure::Remedy::Address);
    }
    if (overGraphics) {
        throw FormFailure("the sprite has " + std::to_string(cells) +
                              " cells of 8 x 8 pixels, but the user-defined graphics hold " +
                              std::to_string(kUserGraphicsCells),
                          FormFailure::Remedy::Address);
    }
    const int start = address.value_or(kUserGraphicsAddress);
    if (const int over = start + count - (kLastAddress + 1); over > 0) {
        throw Failure(std::to_string(over) + " of the sprite's " + std::to_string(count) +
                      " bytes would not fit below 65536 from address " + std::to_string(start));
    }
    return bytes;
}

}  // namespace vexilor
