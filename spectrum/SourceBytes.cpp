#include "SourceBytes.h"

#include <cstdio>

namespace vexilor {

namespace {

std::string counted(std::size_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

std::string orderText(ByteOrder order) {
    switch (order) {
        case ByteOrder::RowByRow:
            return "row by row";
        case ByteOrder::ColumnByColumn:
            return "column by column";
        case ByteOrder::CellByCell:
            break;
    }
    return "cell by cell";
}

std::string maskText(MaskPlacement mask) {
    switch (mask) {
        case MaskPlacement::Before:
            return ", each byte after its mask byte";
        case MaskPlacement::After:
            return ", each byte before its mask byte";
        case MaskPlacement::Block:
            return ", the mask's bytes after them";
        case MaskPlacement::None:
            break;
    }
    return {};
}

// "0, 2, 4 and 6".
std::string shiftsText(int shifts) {
    std::string text;
    for (int copy = 0; copy < shifts; ++copy) {
        text += copy == 0 ? "" : copy + 1 == shifts ? " and " : ", ";
        text += std::to_string(copy * kCellSize / shifts);
    }
    return text;
}

}  // namespace

std::string sourceSummary(const SpriteDocument& document, const ByteLayout& layout,
                          const std::vector<LabelledBytes>& pieces) {
    const LabelledBytes& first = pieces.front();
    const bool byRows = layout.order == ByteOrder::RowByRow;
    std::size_t frameBytes = 0;
    std::size_t allBytes = 0;
    for (const LabelledBytes& piece : pieces) {
        frameBytes += piece.frame == 0 ? piece.bytes.size() : 0;
        allBytes += piece.bytes.size();
    }
    const std::size_t lines =
        static_cast<std::size_t>(byRows ? first.rows : first.columns * (first.rows / kCellSize));
    std::string summary =
        std::to_string(document.width()) + " x " + std::to_string(document.height()) + " pixels: " +
        (layout.shifts > 1 ? std::to_string(layout.shifts) + " copies shifted right by " +
                                 shiftsText(layout.shifts) + " pixels, each "
                           : "") +
        (byRows ? counted(lines, "pixel row") + " of " +
                      counted(static_cast<std::size_t>(first.columns), "byte")
                : counted(lines, "cell") + " of 8 x 8, 8 bytes each") +
        ", " + orderText(layout.order) + maskText(layout.mask) + " (" +
        counted(frameBytes, "byte") + ")";
    if (document.frameCount() > 1) {
        summary = counted(static_cast<std::size_t>(document.frameCount()), "frame") + " of " +
                  summary + "; " + counted(allBytes, "byte") + " in all";
    }
    return summary;
}

std::string sourceNumber(std::uint8_t byte, NumberBase base, SourceLanguage language) {
    const bool assembler = language == SourceLanguage::Assembler;
    char text[16];
    switch (base) {
        case NumberBase::Decimal:
            std::snprintf(text, sizeof text, "%d", byte);
            return text;
        case NumberBase::Binary: {
            std::string bits = assembler ? "%" : "0b";
            for (int bit = 7; bit >= 0; --bit)
                bits += byte >> bit & 1 ? '1' : '0';
            return bits;
        }
        case NumberBase::Hexadecimal:
            break;
    }
    std::snprintf(text, sizeof text, assembler ? "$%02X" : "0x%02X", byte);
    return text;
}

}  // namespace vexilor
