#include "PixelShapes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace vexilor;

namespace {

using Rows = std::vector<std::string>;
using Shape = std::function<PixelField(int width, int height)>;

// Rows of '0' and '1' from the field's top left; the rows may differ in length.
PixelField fieldOf(const Rows& rows) {
    PixelField field;
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            field[SpriteStore::pixelIndex(int(column), int(row))] = rows[row][column] == '1';
    return field;
}

// The field's top-left rows, as many and as long as those of `shape`.
Rows rowsOf(const PixelField& field, Rows shape) {
    for (size_t row = 0; row < shape.size(); ++row)
        for (size_t column = 0; column < shape[row].size(); ++column)
            shape[row][column] = field[SpriteStore::pixelIndex(int(column), int(row))] ? '1' : '0';
    return shape;
}

Shape line(PixelPosition from, PixelPosition to) {
    return [=](int width, int height) { return linePixels(from, to, width, height); };
}
Shape outline(PixelPosition corner, PixelPosition opposite) {
    return [=](int width, int height) { return rectangleOutline(corner, opposite, width, height); };
}
Shape filled(PixelPosition corner, PixelPosition opposite) {
    return [=](int width, int height) { return filledRectangle(corner, opposite, width, height); };
}
Shape fill(const Rows& before, PixelPosition start) {
    return [=](int width, int height) {
        return connectedPixels(fieldOf(before), start, width, height);
    };
}

const std::string kFullRow(64, '1');

}  // namespace

TEST(PixelShapes, GiveThePixelsOfEachShapeInsideTheSpriteOnly) {
    const Rows spiral = {"11111", "10101", "10101", "10001", "11111"};
    const Rows halves = [] {
        Rows rows(64, std::string(64, '0'));
        rows[32] = kFullRow;
        return rows;
    }();
    const struct {
        int width, height;
        Shape shape;
        Rows pixels;
    } cases[] = {
        // From the middle into each of the eight directions, a third of a step aside.
        {7, 7, line({3, 3}, {6, 4}), {"", "", "", "0001100", "0000011"}},
        {7, 7, line({3, 3}, {4, 6}), {"", "", "", "0001", "0001", "00001", "00001"}},
        {7, 7, line({3, 3}, {2, 6}), {"", "", "", "0001", "0001", "001", "001"}},
        {7, 7, line({3, 3}, {0, 4}), {"", "", "", "0011", "11"}},
        {7, 7, line({3, 3}, {0, 2}), {"", "", "11", "0011"}},
        {7, 7, line({3, 3}, {2, 0}), {"001", "001", "0001", "0001"}},
        {7, 7, line({3, 3}, {4, 0}), {"00001", "00001", "0001", "0001"}},
        {7, 7, line({3, 3}, {6, 2}), {"", "", "0000011", "00011"}},
        {16,
         8,
         line({0, 0}, {15, 7}),
         {"1100000000000000", "0011000000000000", "0000110000000000", "0000001100000000",
          "0000000011000000", "0000000000110000", "0000000000001100", "0000000000000011"}},
        {4, 4, line({3, 0}, {0, 3}), {"0001", "0010", "0100", "1000"}},
        {4, 4, line({1, 3}, {1, 0}), {"01", "01", "01", "01"}},
        {4, 4, line({2, 2}, {2, 2}), {"", "", "001"}},
        // Cut off by the sprite, and by the field's edge.
        {4, 2, line({0, 1}, {9, 1}), {"00000", "11110"}},
        {4, 2, line({-3, 0}, {1, 0}), {"110"}},
        {4, 4, outline({2, 1}, {2, 1}), {"", "001"}},
        {4, 4, filled({2, 1}, {2, 1}), {"", "001"}},
        {6, 4, outline({1, 1}, {4, 1}), {"", "011110", "000000"}},
        {6, 4, outline({1, 3}, {1, 0}), {"01", "01", "01", "01"}},
        {6, 4, outline({2, 2}, {3, 3}), {"", "", "0011", "0011"}},
        {6, 4, outline({3, 2}, {0, 0}), {"1111", "1001", "1111", "0000"}},
        {6, 4, filled({3, 2}, {0, 0}), {"1111", "1111", "1111", "0000"}},
        {4, 4, outline({1, 1}, {5, 5}), {"00000", "01110", "01000", "01000", "00000"}},
        {4, 4, filled({1, 1}, {5, 5}), {"00000", "01110", "01110", "01110", "00000"}},
        {64, 64, outline({-1, -1}, {64, 64}), Rows(64, std::string(64, '0'))},
        // A fill takes the start's state through the four neighbours, never diagonally.
        {5, 5, fill(spiral, {1, 1}), {"", "01010", "01010", "01110", "00000"}},
        {5, 5, fill(spiral, {0, 0}), spiral},
        {4, 3, fill({"0100", "1000", "0000"}, {0, 0}), {"1000", "0000", "0000"}},
        {4, 3, fill({"0100", "1010", "0100"}, {1, 1}), {"0000", "0100", "0000"}},
        {3, 3, fill({"110", "011", "101"}, {1, 0}), {"110", "011", "001"}},
        {3, 2, fill({}, {1, 1}), {"1110", "1110", "0000"}},
        {3, 2, fill({}, {3, 1}), {"0000", "0000"}},
        {64, 64, fill({}, {63, 63}), Rows(64, kFullRow)},
        {64, 64, fill(halves, {63, 0}),
         [] {
             Rows rows(32, kFullRow);
             rows.resize(64, std::string(64, '0'));
             return rows;
         }()},
    };
    int number = 0;
    for (const auto& [width, height, shape, pixels] : cases) {
        SCOPED_TRACE("case " + std::to_string(++number));
        const PixelField shown = shape(width, height);
        EXPECT_EQ(rowsOf(shown, pixels), pixels);
        EXPECT_EQ(shown, fieldOf(pixels)) << "pixels beyond the rows of the case";
    }
}
