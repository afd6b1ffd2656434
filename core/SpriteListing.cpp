#include "SpriteListing.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace vexilor {

namespace {

constexpr int kCellSize = 8;

int cellByte(const SpriteStore& store, int left, int row) {
    int value = 0;
    for (int x = 0; x < kCellSize; ++x) {
        value = value * 2 + (store.pixel(left + x, row) != 0 ? 1 : 0);
    }
    return value;
}

std::string cellLine(const SpriteStore& store, int cellColumn, int cellRow) {
    // "   A1: DATA " and eight values of at most three digits, each with ", ".
    char buffer[16 + kCellSize * 5];
    char* end = buffer;
    for (char c : {' ', ' ', ' ', static_cast<char>('A' + cellColumn)})
        *end++ = c;
    end = std::to_chars(end, buffer + sizeof buffer, cellRow + 1).ptr;
    for (char c : std::string_view(": DATA "))
        *end++ = c;
    for (int y = 0; y < kCellSize; ++y) {
        const int value = cellByte(store, cellColumn * kCellSize, cellRow * kCellSize + y);
        end = std::to_chars(end, buffer + sizeof buffer, value).ptr;
        *end++ = ',';
        *end++ = ' ';
    }
    return std::string(buffer, end);
}

std::string pictureLine(const SpriteStore& store, int row) {
    std::string line(4 + static_cast<std::size_t>(std::max(store.width(), 0)), ' ');
    for (int x = 0; x < store.width(); ++x)
        line[4 + x] = store.pixel(x, row) != 0 ? '1' : '0';
    return line;
}

}  // namespace

const std::vector<std::string>& creditLines() {
    static const std::vector<std::string> lines{
        "Создано при помощи программы Vexilor ver.2.0",
        "Авторы: разработчики Vexilor, 2026",
        "https://vexilor.example.org/",
    };
    return lines;
}

SpriteListing makeListing(const SpriteStore& store, bool withCredits) {
    const int cellRows = store.height() / kCellSize;
    const int cellColumns = store.width() / kCellSize;

    SpriteListing lines;
    lines.reserve(static_cast<std::size_t>(std::max(cellRows * cellColumns, 0) +
                                           std::max(store.height(), 0) + 7));
    for (int r = 0; r < cellRows; ++r) {
        for (int c = 0; c < cellColumns; ++c)
            lines.push_back(cellLine(store, c, r));
    }
    lines.emplace_back();
    lines.emplace_back();
    for (int y = 0; y < store.height(); ++y)
        lines.push_back(pictureLine(store, y));
    if (withCredits) {
        lines.emplace_back();
        lines.emplace_back();
        lines.insert(lines.end(), creditLines().begin(), creditLines().end());
    }
    return lines;
}

}  // namespace vexilor
