#include "SpriteListing.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using vexilor::makeListing;
using vexilor::SpriteStore;

namespace {

SpriteStore sprite(int width, int height) {
    SpriteStore store;
    store.setSize(width, height);
    return store;
}

// The listing's lines from `first` on, `count` of them.
std::vector<std::string> lines(const SpriteStore& store, size_t first, size_t count) {
    const auto listing = makeListing(store, false);
    return {listing.begin() + first, listing.begin() + std::min(first + count, listing.size())};
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
    EXPECT_EQ(withCredits[11] + withCredits[12], "");
    EXPECT_EQ(withCredits[13], "Создано при помощи программы Vexilor ver.2.0");
}

TEST(SpriteListing, OrdersCellsAlongRowsThenDownAndShowsPartialCellsInThePictureOnly) {
    SpriteStore twelve = sprite(12, 8);
    twelve.setPixel(11, 0, 1);
    EXPECT_THAT(lines(twelve, 0, 4),
                ElementsAre("   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ", "", "", "    000000000001"));
    for (const auto& [width, height, order] : {std::tuple{16, 8, "A1 B1 "}, {8, 16, "A1 A2 "}}) {
        std::string cells;
        for (const auto& line : makeListing(sprite(width, height), false))
            if (line.find(": DATA") != std::string::npos)
                cells += line.substr(3, 2) + " ";
        EXPECT_EQ(cells, order) << width << " x " << height;
    }
    EXPECT_THAT(lines(sprite(64, 64), 7, 2),
                ElementsAre(testing::StartsWith("   H1:"), testing::StartsWith("   A2:")));
    EXPECT_THAT(makeListing(sprite(4, 4), false),
                ElementsAre("", "", "    0000", "    0000", "    0000", "    0000"));
    EXPECT_THAT(makeListing(sprite(-8, -8), false), ElementsAre("", ""));
}

TEST(SpriteListing, PutsEachRowIntoOneByteLeftmostPixelHighest) {
    SpriteStore store = sprite(16, 16);
    for (int x = 0; x < 8; x += 2)
        store.setPixel(8 + x, 8, 1);  // 1,0,1,0,... in cell B2
    for (int x = 0; x < 8; ++x)
        store.setPixel(x, 15, 1);  // full last row of A2
    store.setPixel(15, 0, 1);      // rightmost pixel of B1
    EXPECT_THAT(lines(store, 0, 4), ElementsAre("   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ",
                                                "   B1: DATA 1, 0, 0, 0, 0, 0, 0, 0, ",
                                                "   A2: DATA 0, 0, 0, 0, 0, 0, 0, 255, ",
                                                "   B2: DATA 170, 0, 0, 0, 0, 0, 0, 0, "));
}

TEST(SpriteListing, LeavesOutPixelsBeyondTheSprite) {
    SpriteStore store = sprite(64, 64);
    store.setPixel(63, 63, 1);
    store.setPixel(8, 0, 1);
    store.setSize(8, 8);
    EXPECT_EQ(makeListing(store, false), makeListing(SpriteStore{}, false));
}
