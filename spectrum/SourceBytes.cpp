#include "SourceBytes.h"

#include "FormFailure.h"
#include "ListingLayout.h"

namespace vexilor {

namespace {

std::string counted(std::size_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

SourceBytes sourceBytes(const SpriteStore& store, ByteOrder order) {
    const std::vector<std::uint8_t> bytes = spriteBytes(store, order);
    if (bytes.empty()) {
        throw FormFailure("the sprite has no full 8 x 8 cell, so there are no bytes to store",
                          FormFailure::Remedy::RowOrder);
    }
    const bool byRows = order == ByteOrder::RowByRow;
    const std::size_t perLine = byRows ? rowByteCount(store) : kCellSize;
    const int columns = cellColumns(store);

    SourceBytes source;
    source.count = bytes.size();
    const std::size_t lineCount = bytes.size() / perLine;
    source.summary = std::to_string(store.width()) + " x " + std::to_string(store.height()) +
                     " pixels: " +
                     (byRows ? counted(lineCount, "pixel row") + " of " + counted(perLine, "byte")
                             : counted(lineCount, "cell") + " of 8 x 8, 8 bytes each") +
                     ", " + (byRows ? "row by row" : "cell by cell") + " (" +
                     counted(bytes.size(), "byte") + ")";
    for (std::size_t i = 0; i < lineCount; ++i) {
        const int index = static_cast<int>(i);
        std::string name = byRows ? "row " + std::to_string(index + 1)
                                  : listing::cellName(index % columns, index / columns);
        source.lines.push_back(
            {std::move(name), {bytes.begin() + i * perLine, bytes.begin() + (i + 1) * perLine}});
    }
    return source;
}

FrameSourceBytes frameSourceBytes(const SpriteDocument& document, ByteOrder order) {
    FrameSourceBytes source;
    for (int i = 0; i < document.frameCount(); ++i) {
        source.frames.push_back(sourceBytes(document.frameStore(i), order));
        source.count += source.frames.back().count;
    }
    source.summary = source.frames.front().summary;
    if (document.frameCount() > 1) {
        source.summary = counted(source.frames.size(), "frame") + " of " + source.summary + "; " +
                         counted(source.count, "byte") + " in all";
    }
    return source;
}

}  // namespace vexilor
