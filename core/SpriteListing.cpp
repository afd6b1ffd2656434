#include "SpriteListing.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "ListingLayout.h"
#include "SpriteBytes.h"

namespace vexilor {

namespace {

char* append(char* end, std::string_view text) {
    return std::copy(text.begin(), text.end(), end);
}

// "   A1: DATA " and the cell's eight values of at most three digits, each with ", ".
std::string cellLine(int cellColumn, int cellRow, const std::uint8_t* values) {
    char buffer[16 + kCellSize * 5];
    char* end = append(buffer, listing::kCellIndent);
    *end++ = static_cast<char>(listing::kFirstCellColumn + cellColumn);
    end = std::to_chars(end, buffer + sizeof buffer, cellRow + 1).ptr;
    end = append(end, listing::kDataPrefix);
    for (int y = 0; y < kCellSize; ++y) {
        end = std::to_chars(end, buffer + sizeof buffer, values[y]).ptr;
        end = append(end, listing::kValueSeparator);
    }
    return std::string(buffer, end);
}

}  // namespace

std::string pictureRow(const SpriteStore& store, int row) {
    const std::size_t indent = listing::kRowIndent.size();
    std::string line(indent + static_cast<std::size_t>(std::max(store.width(), 0)), ' ');
    for (int x = 0; x < store.width(); ++x)
        line[indent + x] = store.pixel(x, row) != 0 ? listing::kSetPixel : listing::kClearPixel;
    return line;
}

const std::vector<std::string>& creditLines() {
    static const std::vector<std::string> lines{
        "Создано при помощи программы Vexilor ver.2.0",
        "Авторы: разработчики Vexilor, 2026",
        "https://vexilor.example.org/",
    };
    return lines;
}

SpriteListing makeListing(const SpriteStore& store, bool withCredits) {
    const std::vector<std::uint8_t> bytes = spriteBytes(store);
    const int cells = static_cast<int>(bytes.size()) / kCellSize;
    const int columns = cellColumns(store);

    SpriteListing lines;
    lines.reserve(static_cast<std::size_t>(cells + std::max(store.height(), 0) + 7));
    for (int i = 0; i < cells; ++i)
        lines.push_back(cellLine(i % columns, i / columns, &bytes[i * kCellSize]));
    lines.resize(lines.size() + listing::kGapLines);
    for (int y = 0; y < store.height(); ++y)
        lines.push_back(pictureRow(store, y));
    if (withCredits) {
        lines.resize(lines.size() + listing::kGapLines);
        lines.insert(lines.end(), creditLines().begin(), creditLines().end());
    }
    return lines;
}

}  // namespace vexilor
