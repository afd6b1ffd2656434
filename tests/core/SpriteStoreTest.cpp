#include "SpriteStore.h"

#include <gmock/gmock.h>

#include "CoreTesting.h"

using vexilor::SpriteStore;

TEST(SpriteStore, StartsAndResetsAsAnEmptyEightByEightSpriteInBlackOnWhite) {
    SpriteStore store;
    store.setWidthFromText("16");
    store.setPixel(15, 3, 1);
    store.selectBrush("2 - Красный");
    store.selectBackground("0 - Черный");
    store.reset();
    for (const SpriteStore& fresh : {SpriteStore{}, store}) {
        EXPECT_EQ(std::pair(fresh.width(), fresh.height()), std::pair(8, 8));
        EXPECT_EQ(fresh.brushColour() + " on " + fresh.backgroundColour(), "black on white");
        EXPECT_EQ(setPixelCount(fresh), 0);
    }
}

TEST(SpriteStore, PaintsOnlyInsideTheSpriteAndKeepsPixelsBeyondAShrunkSize) {
    SpriteStore store;
    for (auto [column, row] : {std::pair{7, 7}, {8, 0}, {0, 8}, {-1, 0}})
        store.setPixel(column, row, 1);
    EXPECT_EQ(store.pixel(7, 7), 1);
    EXPECT_EQ(setPixelCount(store), 1);

    store.setWidthFromText("16");
    store.setPixel(12, 2, 1);
    store.setWidthFromText("8");
    store.setPixel(12, 2, 0);  // outside now: no effect
    store.setWidthFromText("16");
    EXPECT_EQ(store.pixel(12, 2), 1);
    store.clearPixels();
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, RefusesSizesThatAreNoNumbersOrAboveSixtyFourAndKeepsTheSize) {
    SpriteStore store;
    store.setWidthFromText("32");
    EXPECT_THAT([&] { store.setWidthFromText("abc"); },
                failsWith("'abc' is not a valid integer value"));
    EXPECT_THAT([&] { store.setHeightFromText(""); }, failsWith("'' is not a valid integer value"));
    EXPECT_THAT([&] { store.setWidthFromText("65"); },
                failsWith("'65' is not a valid sprite size: at most 64"));
    EXPECT_THAT([&] { store.setHeightFromText("$7FFFFFFF"); },
                failsWith("'$7FFFFFFF' is not a valid sprite size: at most 64"));
    EXPECT_EQ(std::pair(store.width(), store.height()), std::pair(32, 8));
    store.setHeightFromText("-5");  // taken: a sprite with no rows
    EXPECT_EQ(store.height(), -5);
}

TEST(SpriteStore, ChoosesColoursByTheFirstCharacterOnly) {
    SpriteStore store;
    store.selectBrush("5 - Зеленый");
    EXPECT_EQ(store.brushColour(), "green");
    store.selectBrush("3 whatever");
    for (const char* unknown : {"Кисть", "", "8"})
        store.selectBrush(unknown);
    store.selectBackground("0");
    EXPECT_EQ(store.brushColour() + " on " + store.backgroundColour(), "magenta on black");
}
