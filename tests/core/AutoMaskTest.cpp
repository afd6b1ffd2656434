#include "AutoMask.h"

#include <gtest/gtest.h>

#include "CoreTesting.h"

using namespace vexilor;

TEST(AutoMask, MakesTheOutsideAndTheOutlineMaskOfEachPicture) {
    struct Case {
        int width, height;
        Rows picture, outside, outline;  // the masks inside the sprite; 1 is transparent
    };
    const Rows empty64(64, std::string(64, '0')), clear64(64, std::string(64, '1'));
    Rows corner64 = empty64;
    corner64[63][63] = '1';
    Rows cornerOutside64 = clear64, cornerOutline64 = clear64;
    cornerOutside64[63][63] = '0';
    cornerOutline64[62].replace(62, 2, "00");
    cornerOutline64[63].replace(62, 2, "00");
    const Case cases[] = {
        // An enclosed hole stays opaque; the outline covers the ring's neighbours.
        {5,
         5,
         {"00000", "01110", "01010", "01110", "00000"},
         {"11111", "10001", "10001", "10001", "11111"},
         Rows(5, "00000")},
        // The outside does not pass the ring's diagonal gaps at its corners.
        {7,
         6,
         {"0000000", "0011100", "0100010", "0100010", "0011100", "0000000"},
         {"1111111", "1100011", "1000001", "1000001", "1100011", "1111111"},
         {"1000001", "0000000", "0000000", "0000000", "0000000", "1000001"}},
        // A passage winding in from the left edge, right, down, left and up again.
        {7,
         7,
         {"1111111", "0000001", "1111101", "1000101", "1011101", "1000001", "1111111"},
         {"0000000", "1111110", "0000010", "0111010", "0100010", "0111110", "0000000"},
         Rows(7, "0000000")},
        // Clear pixels on the right and bottom edges are outside; set pixels beyond the
        // sprite's width and height are neither opaque nor outlined.
        {3, 2, {"1111", "0101", "1111"}, {"000", "101"}, {"000", "000"}},
        {3, 3, {"0001", "0001", "0001"}, Rows(3, "111"), Rows(3, "111")},
        {64, 64, empty64, clear64, clear64},
        {64, 64, corner64, cornerOutside64, cornerOutline64},
        {0, 0, {"1"}, {}, {}},
    };
    int number = 0;
    for (const Case& shown : cases) {
        SCOPED_TRACE("case " + std::to_string(++number));
        SpriteStore frame;
        frame.setSize(0, 0);
        frame.setField(fieldOfRows(shown.picture));
        frame.setSize(shown.width, shown.height);
        for (const auto& [mask, expected] :
             {std::pair{outsideMask(frame), shown.outside}, {outlineMask(frame), shown.outline}}) {
            EXPECT_EQ(rowsOfField(mask, expected), expected);
            // Every bit beyond the sprite is transparent.
            PixelField whole = ~fieldOfRows(Rows(shown.height, std::string(shown.width, '1')));
            EXPECT_EQ(mask, whole | fieldOfRows(expected));
        }
    }
}
