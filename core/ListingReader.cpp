#include "ListingReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

#include "ListingLayout.h"
#include "SpriteBytes.h"
#include "SpriteDocument.h"
#include "SpriteListing.h"

namespace vexilor {

namespace {

constexpr int kMostRows = SpriteStore::kFieldSize;
constexpr int kMostCells = (kMostRows / kCellSize) * (kMostRows / kCellSize);
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
using listing::kCellIndent;
using listing::kDataPrefix;
using listing::kRowIndent;
using listing::kValueSeparator;

[[noreturn]] void refuse(int line, const std::string& problem) {
    throw ListingError(line, problem);
}

// The longest line makeListing writes: a row of 64 pixels or a credit line.
std::size_t longestLine() {
    static const std::size_t longest = [] {
        std::size_t length = kRowIndent.size() + SpriteStore::kFieldSize;
        for (const std::string& credit : creditLines())
            length = std::max(length, credit.size());
        return length;
    }();
    return longest;
}

// Hands out the text's lines as views into it. The end of a line is looked for no
// further than the longest line a listing has, so that a text without line ends costs no
// more than one with them: each byte is looked at once at most.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {
        if (rest_.starts_with(kByteOrderMark))
            rest_.remove_prefix(kByteOrderMark.size());
    }

    // The next line without its LF or CR LF; none at the end of the text.
    std::optional<std::string_view> next() {
        if (rest_.empty())
            return std::nullopt;
        ++number_;
        std::string_view line = rest_;
        const std::size_t end = rest_.substr(0, longestLine() + 2).find('\n');
        if (end != std::string_view::npos) {
            line = rest_.substr(0, end);
            rest_.remove_prefix(end + 1);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
        } else {
            rest_ = {};
        }
        if (line.size() > longestLine())
            refuse(number_, "a line longer than any line of a listing");
        return line;
    }

    // The number of the line handed out last; 1 before the first.
    int number() const { return std::max(number_, 1); }

private:
    std::string_view rest_;
    int number_ = 0;
};

struct CellLine {
    std::array<char, 2> name;
    std::array<std::uint8_t, kCellSize> values;
};

// A value as std::to_chars writes a byte at the start of `text` (0 ... 255, without a
// sign or leading zeros), and how many characters it takes.
std::optional<std::pair<std::uint8_t, std::size_t>> byteValue(std::string_view text) {
    std::uint8_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const auto length = static_cast<std::size_t>(end - text.data());
    if (error != std::errc{} || (length > 1 && text.front() == '0'))
        return std::nullopt;
    return std::pair{value, length};
}

// "   A1: DATA " and eight values, each followed by ", ".
CellLine readCellLine(std::string_view text, int line) {
    const std::size_t nameEnd = kCellIndent.size() + 2;
    if (text.size() < nameEnd || !text.starts_with(kCellIndent) ||
        !text.substr(nameEnd).starts_with(kDataPrefix))
        refuse(line, "expected a DATA line or the two empty lines before the picture");
    CellLine cell{{text[kCellIndent.size()], text[kCellIndent.size() + 1]}, {}};
    if (cell.name[0] < listing::kFirstCellColumn || cell.name[0] > listing::kLastCellColumn ||
        cell.name[1] < listing::kFirstCellRow || cell.name[1] > listing::kLastCellRow)
        refuse(line, "a cell name other than A1 ... H8");
    text.remove_prefix(nameEnd + kDataPrefix.size());

    int count = 0;
    while (!text.empty()) {
        const auto value = byteValue(text);
        if (!value)
            refuse(line, "a DATA value that is not a number from 0 to 255");
        text.remove_prefix(value->second);
        if (!text.starts_with(kValueSeparator))
            refuse(line, "a DATA value without \", \" after it");
        text.remove_prefix(kValueSeparator.size());
        if (count < kCellSize)
            cell.values[count] = value->first;
        ++count;
    }
    if (count != kCellSize)
        refuse(line, "a DATA line needs 8 values, not " + std::to_string(count));
    return cell;
}

// The rows read: each row's pixels as bits, the leftmost pixel in the top bit.
struct Picture {
    std::array<std::uint64_t, kMostRows> rows{};
    int width = 0;
    int height = 0;

    // Pixel row y of a cell as one byte, leftmost pixel highest, as spriteBytes gives it.
    int cellByte(int column, int row, int y) const {
        return static_cast<int>(rows[row * kCellSize + y] >> (56 - column * kCellSize) & 0xFF);
    }
};

// The rows are read by the lowest bit of each character, the one in which the two differ.
static_assert((listing::kClearPixel ^ listing::kSetPixel) == 1 && (listing::kClearPixel & 1) == 0);

// 0x01 in each of the eight bytes.
constexpr std::uint64_t kEachByte = 0x0101010101010101;

// Eight characters, the first in the lowest byte, whatever the machine's byte order (the
// compiler makes this one load where that is the order).
std::uint64_t eightCharacters(const char* text) {
    const auto byte = [text](int i) {
        return std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    };
    return byte(0) | byte(1) | byte(2) | byte(3) | byte(4) | byte(5) | byte(6) | byte(7);
}

// The pixels of a row as "0" and "1", as many as the rows before have.
void readRowPixels(std::string_view pixels, int line, Picture& picture) {
    if (pixels.empty())
        refuse(line, "a row with no pixels");
    if (pixels.size() > SpriteStore::kFieldSize)
        refuse(line, "a row wider than 64 pixels");
    // No early exit and no branch on a pixel: a random sprite's pixels would defeat the
    // branch predictor. Eight pixels at a time, then the rest one by one.
    std::uint64_t bits = 0;
    std::uint64_t stray = 0;
    std::size_t x = 0;
    for (; x + 8 <= pixels.size(); x += 8) {
        const std::uint64_t eight = eightCharacters(pixels.data() + x);
        stray |= (eight | kEachByte) ^ (kEachByte * listing::kSetPixel);
        // '0' and '1' differ in the lowest bit only. One multiplication moves the lowest
        // bit of the first character (byte 0) to bit 63, of the second (byte 1) to bit 62,
        // and so on: no two of the products it adds up share a bit, so nothing carries.
        bits = bits << 8 | ((eight & kEachByte) * 0x8040201008040201) >> 56;
    }
    for (; x < pixels.size(); ++x) {
        stray |= static_cast<std::uint64_t>((pixels[x] | 1) ^ listing::kSetPixel);
        bits = bits << 1 | (pixels[x] & 1);
    }
    if (stray != 0)
        refuse(line, "a row with a character other than 0 and 1");
    const auto width = static_cast<int>(pixels.size());
    if (picture.height > 0 && width != picture.width) {
        refuse(line, "a row " + std::to_string(width) + " pixels wide where the first row is " +
                         std::to_string(picture.width));
    }
    picture.width = width;
    picture.rows[picture.height++] = bits << (64 - width);
}

// Four blanks, then the pixels.
void readRow(std::string_view text, int line, Picture& picture) {
    if (!text.starts_with(kRowIndent))
        refuse(line, "not a picture row (four blanks, then 0 and 1)");
    readRowPixels(text.substr(kRowIndent.size()), line, picture);
}

// The credit lines from `first` on, and then nothing.
void readCredits(Lines& lines, std::string_view first) {
    std::optional<std::string_view> line = first;
    for (const std::string& credit : creditLines()) {
        if (!line)
            refuse(lines.number(), "the text ends before the credits");
        if (*line != credit)
            refuse(lines.number(), "not the credit line the editor writes");
        line = lines.next();
    }
    if (line)
        refuse(lines.number(), "a line after the credits");
}

// The pixels the rows give, laid out as a store's field.
PixelField fieldOf(const Picture& picture) {
    PixelField field;
    for (int y = 0; y < picture.height; ++y) {
        for (std::uint64_t bits = picture.rows[y]; bits != 0; bits &= bits - 1)
            field.set(SpriteStore::pixelIndex(63 - std::countr_zero(bits), y));
    }
    return field;
}

// The sprite the rows give.
SpriteStore spriteOf(const Picture& picture) {
    SpriteStore store;
    store.setSize(picture.width, picture.height);
    store.setField(fieldOf(picture));
    return store;
}

// One frame's block: its DATA lines, from line `firstLine` on, and its rows, from line
// `firstRowLine` on.
struct FrameBlock {
    std::array<CellLine, kMostCells> cells;
    int cellCount = 0;
    int firstLine = 1;
    int firstRowLine = 1;
    Picture picture;
};

// The DATA lines must be the ones makeListing writes for the picture: a line for each
// full cell, along the cell rows and then down.
void checkCells(const FrameBlock& block) {
    const auto& [cells, count, firstLine, firstRowLine, picture] = block;
    const int columns = picture.width / kCellSize;
    const int needed = columns * (picture.height / kCellSize);
    if (count != needed) {
        refuse(firstLine + std::min(count, needed),
               "DATA lines for " + std::to_string(picture.width) + " x " +
                   std::to_string(picture.height) + " pixels: " + std::to_string(needed) +
                   " expected, " + std::to_string(count) + " found");
    }
    for (int i = 0; i < count; ++i) {
        const CellLine& cell = cells[i];
        const std::array<char, 2> name{static_cast<char>(listing::kFirstCellColumn + i % columns),
                                       static_cast<char>(listing::kFirstCellRow + i / columns)};
        const std::string given(cell.name.begin(), cell.name.end());
        if (cell.name != name) {
            refuse(firstLine + i, "DATA of cell " + given + " where cell " +
                                      std::string(name.begin(), name.end()) + " comes next");
        }
        for (int y = 0; y < kCellSize; ++y) {
            const int fromRows = picture.cellByte(i % columns, i / columns, y);
            if (cell.values[y] != fromRows) {
                refuse(firstLine + i, "value " + std::to_string(y + 1) + " of cell " + given +
                                          " is " + std::to_string(cell.values[y]) +
                                          " where the picture gives " + std::to_string(fromRows));
            }
        }
    }
}

}  // namespace

ListingError::ListingError(int line, const std::string& problem)
    : Failure("line " + std::to_string(line) + ": " + problem), line_(line) {}

namespace {

// Reads a frame's block from its first line, `line`, on: the DATA lines up to the first
// empty line, a second empty line, then the rows up to the next empty line or the end of
// the text. Gives the line after the rows.
std::optional<std::string_view> readFrame(Lines& lines, std::optional<std::string_view> line,
                                          FrameBlock& block) {
    block.cellCount = 0;
    block.firstLine = lines.number();
    for (; line && !line->empty(); line = lines.next()) {
        if (block.cellCount == kMostCells)
            refuse(lines.number(), "more DATA lines than the 64 cells of the largest sprite");
        block.cells[block.cellCount++] = readCellLine(*line, lines.number());
    }
    if (line)
        line = lines.next();
    if (line && !line->empty())
        refuse(lines.number(), "expected a second empty line before the picture");
    if (line)
        line = lines.next();
    if (!line)
        refuse(lines.number(), "no picture rows");
    if (line->empty())
        refuse(lines.number(), "an empty line where the picture should begin");

    block.picture = Picture{};
    block.firstRowLine = lines.number();
    for (; line && !line->empty(); line = lines.next()) {
        if (block.picture.height == kMostRows)
            refuse(lines.number(), "more than 64 rows");
        readRow(*line, lines.number(), block.picture);
    }
    return line;
}

// Checks a frame's block and adds its frame to the document (started by the first).
void addFrame(const FrameBlock& block, std::optional<SpriteDocument>& document) {
    const Picture& picture = block.picture;
    if (document && (picture.width != document->width() || picture.height != document->height())) {
        refuse(block.firstRowLine,
               "a frame of " + std::to_string(picture.width) + " x " +
                   std::to_string(picture.height) + " pixels where the first frame is " +
                   std::to_string(document->width()) + " x " + std::to_string(document->height()));
    }
    checkCells(block);
    if (!document)
        document.emplace(spriteOf(picture));
    else
        document->insertFrame(document->frameCount(), SpriteFrame{fieldOf(picture), std::nullopt});
}

}  // namespace

SpriteDocument readListing(std::string_view text) {
    Lines lines(text);
    FrameBlock block;
    std::optional<SpriteDocument> document;
    int frames = 1;
    // After each frame's rows: the end, or two empty lines and then the next frame's
    // DATA lines, its empty lines (a frame with no full cell), or the credits.
    for (auto line = readFrame(lines, lines.next(), block); line;) {
        line = lines.next();
        if (!line)
            refuse(lines.number(), "the text ends before the credits");
        if (!line->empty())
            refuse(lines.number(), "expected a second empty line before the credits");
        line = lines.next();
        if (!line)
            refuse(lines.number(), "the text ends before the credits");
        if (!line->empty() && !line->starts_with(kCellIndent)) {
            readCredits(lines, *line);
            break;
        }
        if (frames == SpriteDocument::kMaxFrames)
            refuse(lines.number(), "more than 256 frames");
        addFrame(block, document);
        ++frames;
        line = readFrame(lines, line, block);
    }
    addFrame(block, document);
    return std::move(*document);
}

SpriteStore readPictureRows(std::string_view text) {
    Lines lines(text);
    Picture picture;
    auto line = lines.next();
    for (; line && !line->empty(); line = lines.next()) {
        if (picture.height == kMostRows)
            refuse(lines.number(), "more than 64 rows");
        readRowPixels(line->substr(std::min(line->find_first_not_of(" \t"), line->size())),
                      lines.number(), picture);
    }
    for (; line; line = lines.next()) {
        if (!line->empty())
            refuse(lines.number(), "a line after the rows and an empty line");
    }
    if (picture.height == 0)
        refuse(lines.number(), "no rows of 0 and 1");
    return spriteOf(picture);
}

}  // namespace vexilor
