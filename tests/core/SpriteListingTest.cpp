#include "SpriteListing.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::StartsWith;
using vexilor::makeListing;
using vexilor::SpriteStore;

namespace {

SpriteStore sprite(const char* width, const char* height) {
    SpriteStore store;
    store.setWidthFromText(width);
    store.setHeightFromText(height);
    return store;
}

}  // namespace

TEST(SpriteListing, GivesTheDiagonalExampleLineForLineAndTheCreditsOnRequest) {
    SpriteStore store;
    for (int i = 0; i < 8; ++i)
        store.setPixel(i, i, 1);
    EXPECT_THAT(makeListing(store, false),
                ElementsAre("   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, ", "", "", "    10000000",
                            "    01000000", "    00100000", "    00010000", "    00001000",
                            "    00000100", "    00000010", "    00000001"));
    const auto withCredits = makeListing(store, true);
    ASSERT_EQ(withCredits.size(), 16u);
    EXPECT_THAT(std::vector(withCredits.begin() + 11, withCredits.end()),
                ElementsAre("", "", "Создано при помощи программы Vexilor ver.2.0", testing::_,
                            testing::_));
}

TEST(SpriteListing, OrdersCellsAlongRowsThenDownAndShowsPartialCellsInThePictureOnly) {
    const auto wide = makeListing(sprite("16", "8"), false);
    EXPECT_THAT(wide, ElementsAre(StartsWith("   A1:"), StartsWith("   B1:"), "", "",
                                  "    0000000000000000", testing::_, testing::_, testing::_,
                                  testing::_, testing::_, testing::_, testing::_));
    EXPECT_THAT(makeListing(sprite("8", "16"), false)[1], StartsWith("   A2: DATA"));
    const auto big = makeListing(sprite("64", "64"), false);
    EXPECT_THAT(big[7], StartsWith("   H1:"));
    EXPECT_THAT(big[8], StartsWith("   A2:"));
    EXPECT_THAT(big[63], StartsWith("   H8:"));
    EXPECT_EQ(big[64], "");

    SpriteStore twelve = sprite("12", "8");
    twelve.setPixel(11, 0, 1);
    const auto listing = makeListing(twelve, false);
    ASSERT_EQ(listing.size(), 11u);
    EXPECT_EQ(listing[0], "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_EQ(listing[3], "    000000000001");

    EXPECT_THAT(makeListing(sprite("4", "4"), false),
                ElementsAre("", "", "    0000", "    0000", "    0000", "    0000"));
    EXPECT_THAT(makeListing(sprite("0", "2"), false), ElementsAre("", "", "    ", "    "));
    EXPECT_THAT(makeListing(sprite("-8", "-8"), false), ElementsAre("", ""));
}

TEST(SpriteListing, PutsEachRowIntoOneByteLeftmostPixelHighest) {
    SpriteStore store = sprite("16", "16");
    for (int x = 0; x < 8; x += 2)
        store.setPixel(8 + x, 8, 1);  // 1,0,1,0,... in cell B2
    for (int x = 0; x < 8; ++x)
        store.setPixel(x, 15, 1);  // full last row of A2
    store.setPixel(15, 0, 1);      // rightmost pixel of B1
    const auto listing = makeListing(store, false);
    EXPECT_EQ(
        std::vector(listing.begin(), listing.begin() + 4),
        std::vector<std::string>(
            {"   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ", "   B1: DATA 1, 0, 0, 0, 0, 0, 0, 0, ",
             "   A2: DATA 0, 0, 0, 0, 0, 0, 0, 255, ", "   B2: DATA 170, 0, 0, 0, 0, 0, 0, 0, "}));
}

TEST(SpriteListing, LeavesOutPixelsBeyondTheSprite) {
    SpriteStore store = sprite("64", "64");
    store.setPixel(63, 63, 1);
    store.setPixel(8, 0, 1);
    store.setWidthFromText("8");
    store.setHeightFromText("8");
    EXPECT_EQ(makeListing(store, false), makeListing(SpriteStore{}, false));
}
