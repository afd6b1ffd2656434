#include "SpectrumMemory.h"

#include <string>

#include "Failure.h"
#include "FormFailure.h"
#include "SpriteBytes.h"

namespace vexilor {

std::vector<std::uint8_t> bytesThatFit(std::vector<std::uint8_t> bytes, std::optional<int> address,
                                       ByteOrder order) {
    const int count = static_cast<int>(bytes.size());
    if (count == 0)
        throw Failure("the sprite has no full 8 x 8 cell, so there are no bytes to store");
    const int cells = count / kCellSize;
    const bool overGraphics = !address && cells > kUserGraphicsCells;
    if (overGraphics && order == ByteOrder::RowByRow) {
        throw FormFailure("the sprite's " + std::to_string(count) +
                              " bytes row by row are more than the " +
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
