#include "SpriteListing.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "SpriteBytes.h"

namespace vexilor {

namespace {

// "   A1: DATA " and the cell's eight values of at most three digits, each with ", ".
std::string cellLine(int cellColumn, int cellRow, const std::uint8_t* values) {
    char buffer[16 + kCellSize * 5];
    char* end = buffer;
    for (char c : {' ', ' ', ' ', static_cast<char>('A' + cellColumn)})
        *end++ = c;
    end = std::to_chars(end, buffer + sizeof buffer, cellRow + 1).ptr;
    for (char c : std::string_view(": DATA "))
        *end++ = c;
    for (int y = 0; y < kCellSize; ++y) {
        end = std::to_chars(end, buffer + sizeof buffer, values[y]).ptr;
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
    const std::vector<std::uint8_t> bytes = spriteBytes(store);
    const int cells = static_cast<int>(bytes.size()) / kCellSize;
    const int columns = cellColumns(store);

    SpriteListing lines;
    lines.reserve(static_cast<std::size_t>(cells + std::max(store.height(), 0) + 7));
    for (int i = 0; i < cells; ++i)
        lines.push_back(cellLine(i % columns, i / columns, &bytes[i * kCellSize]));
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
