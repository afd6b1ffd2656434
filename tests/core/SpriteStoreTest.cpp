#include "SpriteStore.h"

#include <gmock/gmock.h>

#include "CoreTesting.h"

using vexilor::SpriteStore;

TEST(SpriteStore, StartsAndResetsAsAnEmptyEightByEightSprite) {
    SpriteStore store;
    store.setSize(16, 8);
    store.setPixel(15, 3, 1);
    store.reset();
    for (const SpriteStore& fresh : {SpriteStore{}, store}) {
        EXPECT_EQ(std::pair(fresh.width(), fresh.height()), std::pair(8, 8));
        EXPECT_EQ(setPixelCount(fresh), 0);
    }
}

TEST(SpriteStore, PaintsOnlyInsideTheSpriteAndKeepsPixelsBeyondAShrunkSize) {
    SpriteStore store;
    for (auto [column, row] : {std::pair{7, 7}, {8, 0}, {0, 8}, {-1, 0}})
        store.setPixel(column, row, 1);
    EXPECT_EQ(store.pixel(7, 7), 1);
    EXPECT_EQ(setPixelCount(store), 1);

    store.setSize(16, 8);
    store.setPixel(12, 2, 1);
    store.setSize(8, 8);
    store.setPixel(12, 2, 0);  // outside now: no effect
    store.setSize(16, 8);
    EXPECT_EQ(store.pixel(12, 2), 1);
    store.clearPixels();
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, RefusesSizesAboveSixtyFourAndKeepsTheSize) {
    SpriteStore store;
    store.setSize(32, 8);
    EXPECT_THAT([&] { store.setSize(65, 8); },
                failsWith("'65' is not a valid sprite size: at most 64"));
    EXPECT_THAT([&] { store.setSize(8, 0x7FFFFFFF); },
                failsWith("'2147483647' is not a valid sprite size: at most 64"));
    EXPECT_THAT([&] { SpriteStore::checkSize(0x7FFFFFFF, "$7FFFFFFF"); },
                failsWith("'$7FFFFFFF' is not a valid sprite size: at most 64"));
    EXPECT_EQ(std::pair(store.width(), store.height()), std::pair(32, 8));
    store.setSize(32, -5);  // taken: a sprite with no rows
    EXPECT_EQ(store.height(), -5);
}
