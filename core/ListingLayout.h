#pragma once

#include <string>
#include <string_view>

namespace vexilor::listing {

// How a listing lays out a sprite, for all that writes or reads one: the writer, the
// reader, the clipboard and the game sources that name cells as the listing does.
//
//    A1: DATA 0, 24, 60, 126, 219, 255, 36, 90,     one line per full 8 x 8 cell
//    ...
//                                                   two empty lines
//
//    00011000                                       the rows of 0 and 1
//    ...
//                                                   with a mask: two empty lines,
//
//    Маска:                                         the title,
//    A1: DATA 255, 231, 195, 129, 0, 0, 0, 0,       the mask as a listing of its own
//    ...                                            (1: the background shows through)

// Before a DATA line's cell name, and between the name and the values.
constexpr std::string_view kCellIndent = "   ";
constexpr std::string_view kDataPrefix = ": DATA ";
// After each of a DATA line's eight values, the last one too.
constexpr std::string_view kValueSeparator = ", ";
// Before each picture row.
constexpr std::string_view kRowIndent = "    ";
// The empty lines between the DATA lines and the rows, between the rows and the credits,
// and between one frame's block and the next.
constexpr int kGapLines = 2;
// Before a frame's mask, after its rows and two empty lines (UTF-8).
constexpr std::string_view kMaskTitle = "Маска:";
constexpr char kSetPixel = '1';
constexpr char kClearPixel = '0';

// Cells are named by a column letter from A and a row number from 1: A1, B1, ... A2, ...
constexpr char kFirstCellColumn = 'A';
constexpr char kLastCellColumn = 'H';
constexpr char kFirstCellRow = '1';
constexpr char kLastCellRow = '8';

inline std::string cellName(int cellColumn, int cellRow) {
    return std::string(1, static_cast<char>(kFirstCellColumn + cellColumn)) +
           std::to_string(cellRow + 1);
}

}  // namespace vexilor::listing
