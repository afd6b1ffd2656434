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

namespace {

// Four blanks and a "0" or "1" for each of the `width` pixels of `bits`, leftmost first.
std::string rowText(std::uint64_t bits, int width) {
    const std::size_t indent = listing::kRowIndent.size();
    std::string line(indent + static_cast<std::size_t>(std::max(width, 0)), ' ');
    for (int x = 0; x < width; ++x)
        line[indent + x] = static_cast<char>(listing::kClearPixel + (bits >> (63 - x) & 1));
    return line;
}

}  // namespace

std::string pictureRow(const SpriteStore& store, int row) {
    const bool inField = row >= 0 && row < SpriteStore::kFieldSize;
    return rowText(inField ? pixelRows(store)[row] : 0, store.width());
}

const std::vector<std::string>& creditLines() {
    static const std::vector<std::string> lines{
        "Создано при помощи программы Vexilor ver.2.0",
        "Авторы: разработчики Vexilor, 2026",
        "https://vexilor.example.org/",
    };
    return lines;
}

namespace {

// A frame's block: its DATA lines, two empty lines and its rows.
void appendFrame(SpriteListing& lines, const SpriteStore& store) {
    const PixelRows rows = pixelRows(store);
    const int columns = cellColumns(store);
    for (int cellRow = 0; cellRow < std::max(store.height(), 0) / kCellSize; ++cellRow) {
        for (int cellColumn = 0; cellColumn < columns; ++cellColumn) {
            std::uint8_t values[kCellSize];
            for (int y = 0; y < kCellSize; ++y)
                values[y] = rows[cellRow * kCellSize + y] >> (56 - cellColumn * kCellSize) & 0xFF;
            lines.push_back(cellLine(cellColumn, cellRow, values));
        }
    }
    lines.resize(lines.size() + listing::kGapLines);
    for (int y = 0; y < store.height(); ++y)
        lines.push_back(rowText(rows[y], store.width()));
}

void appendCredits(SpriteListing& lines) {
    lines.resize(lines.size() + listing::kGapLines);
    lines.insert(lines.end(), creditLines().begin(), creditLines().end());
}

// Lines enough for `frames` frames of the store's size and the credits.
std::size_t linesFor(const SpriteStore& store, int frames) {
    const auto cells =
        static_cast<std::size_t>(cellColumns(store) * std::max(store.height(), 0) / kCellSize);
    return static_cast<std::size_t>(frames) *
               (cells + static_cast<std::size_t>(std::max(store.height(), 0)) + 4) +
           8;
}

}  // namespace

SpriteListing makeListing(const SpriteStore& store, bool withCredits) {
    SpriteListing lines;
    lines.reserve(linesFor(store, 1));
    appendFrame(lines, store);
    if (withCredits)
        appendCredits(lines);
    return lines;
}

SpriteListing makeListing(const SpriteDocument& document, bool withCredits) {
    SpriteListing lines;
    for (int i = 0; i < document.frameCount(); ++i) {
        SpriteStore frame = document.frameStore(i);
        if (i == 0)
            lines.reserve(linesFor(frame, document.frameCount()));
        else
            lines.resize(lines.size() + listing::kGapLines);
        appendFrame(lines, frame);
        if (const auto& mask = document.frame(i).mask) {
            lines.resize(lines.size() + listing::kGapLines);
            lines.emplace_back(listing::kMaskTitle);
            frame.setField(*mask);
            appendFrame(lines, frame);
        }
    }
    if (withCredits)
        appendCredits(lines);
    return lines;
}

}  // namespace vexilor
