#include "SpriteListing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using vexilor::makeListing;
using vexilor::SpriteListing;
using vexilor::SpriteStore;

namespace {

SpriteStore sprite(const char* width, const char* height) {
    SpriteStore store;
    store.setWidthFromText(width);
    store.setHeightFromText(height);
    return store;
}

std::vector<std::string> dataLines(const SpriteListing& listing) {
    std::vector<std::string> lines;
    for (const auto& line : listing)
        if (line.find(": DATA ") != std::string::npos)
            lines.push_back(line);
    return lines;
}

}  // namespace

TEST(SpriteListing, GivesTheDiagonalExampleLineForLine) {
    SpriteStore store;
    for (int i = 0; i < 8; ++i)
        store.setPixel(i, i, 1);
    EXPECT_THAT(makeListing(store, false),
                ElementsAre("   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, ", "", "", "    10000000",
                            "    01000000", "    00100000", "    00010000", "    00001000",
                            "    00000100", "    00000010", "    00000001"));
}

TEST(SpriteListing, AddsTwoBlankLinesAndTheCreditsOnRequest) {
    const SpriteListing listing = makeListing(SpriteStore{}, true);
    ASSERT_EQ(listing.size(), 16u);
    EXPECT_EQ(listing[11], "");
    EXPECT_EQ(listing[12], "");
    EXPECT_EQ(listing[13], "Создано при помощи программы Vexilor ver.2.0");
    EXPECT_THAT(std::vector(listing.begin() + 13, listing.end()),
                testing::ContainerEq(vexilor::creditLines()));
}

TEST(SpriteListing, OrdersCellsAlongRowsThenDown) {
    EXPECT_THAT(dataLines(makeListing(sprite("16", "8"), false)),
                ElementsAre(testing::StartsWith("   A1:"), testing::StartsWith("   B1:")));
    EXPECT_THAT(dataLines(makeListing(sprite("8", "16"), false)),
                ElementsAre(testing::StartsWith("   A1:"), testing::StartsWith("   A2:")));
    auto big = dataLines(makeListing(sprite("64", "64"), false));
    ASSERT_EQ(big.size(), 64u);
    EXPECT_THAT(big[7], testing::StartsWith("   H1:"));
    EXPECT_THAT(big[8], testing::StartsWith("   A2:"));
    EXPECT_THAT(big[63], testing::StartsWith("   H8:"));
}

TEST(SpriteListing, PutsEachRowIntoOneByteLeftmostPixelHighest) {
    SpriteStore store = sprite("16", "16");
    for (int x = 0; x < 8; x += 2)
        store.setPixel(8 + x, 8, 1);  // 1,0,1,0,... in cell B2
    for (int x = 0; x < 8; ++x)
        store.setPixel(x, 15, 1);  // full last row of A2
    store.setPixel(15, 0, 1);      // rightmost pixel of B1
    auto lines = dataLines(makeListing(store, false));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_EQ(lines[1], "   B1: DATA 1, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_EQ(lines[2], "   A2: DATA 0, 0, 0, 0, 0, 0, 0, 255, ");
    EXPECT_EQ(lines[3], "   B2: DATA 170, 0, 0, 0, 0, 0, 0, 0, ");
}

TEST(SpriteListing, ShowsPartialCellsInThePictureOnly) {
    SpriteStore store = sprite("12", "8");
    store.setPixel(11, 0, 1);
    const auto listing = makeListing(store, false);
    ASSERT_EQ(listing.size(), 11u);
    EXPECT_EQ(listing[0], "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_EQ(listing[3], "    000000000001");
}

TEST(SpriteListing, SmallSpritesHaveNoCellLines) {
    EXPECT_THAT(makeListing(sprite("4", "4"), false),
                ElementsAre("", "", "    0000", "    0000", "    0000", "    0000"));
}

TEST(SpriteListing, EmptyAndNegativeSizesGiveOnlyWhatTheyHave) {
    EXPECT_THAT(makeListing(sprite("0", "2"), false), ElementsAre("", "", "    ", "    "));
    EXPECT_THAT(makeListing(sprite("8", "0"), false), ElementsAre("", ""));
    EXPECT_THAT(makeListing(sprite("-8", "-8"), false), ElementsAre("", ""));
}

TEST(SpriteListing, LeavesOutPixelsBeyondTheSprite) {
    SpriteStore store = sprite("64", "64");
    store.setPixel(63, 63, 1);
    store.setPixel(8, 0, 1);
    store.setWidthFromText("8");
    store.setHeightFromText("8");
    const auto listing = makeListing(store, false);
    EXPECT_EQ(listing, makeListing(SpriteStore{}, false));
    EXPECT_EQ(listing, makeListing(store, false));
}
