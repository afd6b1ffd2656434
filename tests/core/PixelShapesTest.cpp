#include "PixelShapes.h"

#include <gtest/gtest.h>

#include <string>

#include "CoreTesting.h"

using namespace vexilor;

TEST(PixelShapes, GiveThePixelsOfEachShapeInsideTheSpriteOnly) {
    // A box with a wall hanging from its top: the space inside winds round the wall's end.
    const Rows box = {"11111", "10101", "10101", "10001", "11111"};
    const std::pair<PixelField, Rows> cases[] = {
        // From the middle into each of the eight directions, a third of a step aside.
        {linePixels({3, 3}, {6, 4}, 7, 7), {"", "", "", "0001100", "0000011"}},
        {linePixels({3, 3}, {4, 6}, 7, 7), {"", "", "", "0001", "0001", "00001", "00001"}},
        {linePixels({3, 3}, {2, 6}, 7, 7), {"", "", "", "0001", "0001", "001", "001"}},
        {linePixels({3, 3}, {0, 4}, 7, 7), {"", "", "", "0011", "11"}},
        {linePixels({3, 3}, {0, 2}, 7, 7), {"", "", "11", "0011"}},
        {linePixels({3, 3}, {2, 0}, 7, 7), {"001", "001", "0001", "0001"}},
        {linePixels({3, 3}, {4, 0}, 7, 7), {"00001", "00001", "0001", "0001"}},
        {linePixels({3, 3}, {6, 2}, 7, 7), {"", "", "0000011", "00011"}},
        {linePixels({2, 2}, {2, 2}, 4, 4), {"", "", "001"}},
        // Cut off by the sprite, and by the field's edge.
        {linePixels({0, 1}, {9, 1}, 4, 2), {"00000", "11110"}},
        {linePixels({-3, 0}, {1, 0}, 4, 2), {"110"}},
        {rectangleOutline({2, 1}, {2, 1}, 4, 4), {"", "001"}},
        {filledRectangle({2, 1}, {2, 1}, 4, 4), {"", "001"}},
        {rectangleOutline({1, 1}, {4, 1}, 6, 4), {"", "011110", "000000"}},
        {rectangleOutline({1, 3}, {1, 0}, 6, 4), {"01", "01", "01", "01"}},
        {rectangleOutline({3, 2}, {0, 0}, 6, 4), {"1111", "1001", "1111", "0000"}},
        {filledRectangle({3, 2}, {0, 0}, 6, 4), {"1111", "1111", "1111", "0000"}},
        {rectangleOutline({1, 1}, {5, 5}, 4, 4), {"00000", "01110", "01000", "01000", "00000"}},
        // A fill takes the start's state through the four neighbours, never diagonally.
        {connectedPixels(fieldOfRows(box), {1, 1}, 5, 5), {"", "01010", "01010", "01110", "00000"}},
        {connectedPixels(fieldOfRows({"0100", "1010", "0100"}), {1, 1}, 4, 3),
         {"0000", "0100", "0000"}},
        {connectedPixels(fieldOfRows({"110", "011", "101"}), {1, 0}, 3, 3), {"110", "011", "001"}},
        {connectedPixels({}, {1, 1}, 3, 2), {"1110", "1110", "0000"}},
        {connectedPixels({}, {3, 1}, 3, 2), {"0000", "0000"}},
        {connectedPixels({}, {63, 63}, 64, 64), Rows(64, std::string(64, '1'))},
    };
    int number = 0;
    for (const auto& [shown, pixels] : cases) {
        SCOPED_TRACE("case " + std::to_string(++number));
        EXPECT_EQ(rowsOfField(shown, pixels), pixels);
        EXPECT_EQ(shown, fieldOfRows(pixels)) << "pixels beyond the rows of the case";
    }
}
