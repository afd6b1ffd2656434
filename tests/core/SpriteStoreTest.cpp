#include "SpriteStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Failure.h"

using vexilor::Failure;
using vexilor::Rgb;
using vexilor::SpriteStore;

namespace {

int setPixelCount(const SpriteStore& store) {
    int count = 0;
    for (int c = 0; c < 64; ++c)
        for (int r = 0; r < 64; ++r)
            count += store.pixel(c, r);
    return count;
}

std::string failureMessage(auto&& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

}  // namespace

TEST(SpriteStore, StartsAsAnEmptyEightByEightSpriteInBlackOnWhite) {
    SpriteStore store;
    EXPECT_EQ(store.width(), 8);
    EXPECT_EQ(store.height(), 8);
    EXPECT_EQ(store.brushColour(), "black");
    EXPECT_EQ(store.backgroundColour(), "white");
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, ResetRestoresEveryField) {
    SpriteStore store;
    store.setWidthFromText("16");
    store.setPixel(15, 3, 1);
    store.selectBrush("2 - Красный");
    store.selectBackground("0 - Черный");
    store.reset();
    EXPECT_EQ(store.width(), 8);
    EXPECT_EQ(store.brushColour(), "black");
    EXPECT_EQ(store.backgroundColour(), "white");
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, PaintsOnlyInsideTheSprite) {
    SpriteStore store;
    store.setPixel(7, 7, 1);
    store.setPixel(8, 0, 1);
    store.setPixel(0, 8, 1);
    store.setPixel(-1, 0, 1);
    EXPECT_EQ(store.pixel(7, 7), 1);
    EXPECT_EQ(setPixelCount(store), 1);
    store.setPixel(7, 7, 0);
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, KeepsPixelsBeyondAShrunkSize) {
    SpriteStore store;
    store.setWidthFromText("16");
    store.setPixel(12, 2, 1);
    store.setWidthFromText("8");
    EXPECT_EQ(store.pixel(12, 2), 1);
    store.setPixel(12, 2, 0);  // outside now: no effect
    store.setWidthFromText("16");
    EXPECT_EQ(store.pixel(12, 2), 1);
}

TEST(SpriteStore, ClearPixelsEmptiesTheWholeField) {
    SpriteStore store;
    store.setWidthFromText("64");
    store.setHeightFromText("64");
    store.setPixel(63, 63, 1);
    store.setPixel(0, 0, 1);
    store.setWidthFromText("8");
    store.clearPixels();
    EXPECT_EQ(setPixelCount(store), 0);
}

TEST(SpriteStore, RefusesSizesThatAreNoNumbers) {
    SpriteStore store;
    EXPECT_EQ(failureMessage([&] { store.setWidthFromText("abc"); }),
              "'abc' is not a valid integer value");
    EXPECT_EQ(failureMessage([&] { store.setHeightFromText(""); }),
              "'' is not a valid integer value");
    EXPECT_EQ(store.width(), 8);
    EXPECT_EQ(store.height(), 8);
}

TEST(SpriteStore, RefusesSizesAboveSixtyFourAndKeepsTheSize) {
    SpriteStore store;
    store.setWidthFromText("32");
    EXPECT_EQ(failureMessage([&] { store.setWidthFromText("65"); }),
              "'65' is not a valid sprite size: at most 64");
    EXPECT_EQ(failureMessage([&] { store.setHeightFromText("$7FFFFFFF"); }),
              "'$7FFFFFFF' is not a valid sprite size: at most 64");
    EXPECT_EQ(store.width(), 32);
    EXPECT_EQ(store.height(), 8);
}

TEST(SpriteStore, AcceptsEmptyAndNegativeSizesWithoutTouchingThePixels) {
    SpriteStore store;
    store.setPixel(1, 1, 1);
    store.setWidthFromText("0");
    store.setHeightFromText("-5");
    EXPECT_EQ(store.width(), 0);
    EXPECT_EQ(store.height(), -5);
    store.setPixel(0, 0, 1);
    store.setPixel(-1, -1, 1);
    EXPECT_EQ(setPixelCount(store), 1);
}

TEST(SpriteStore, ChoosesColoursByTheFirstCharacterOnly) {
    SpriteStore store;
    store.selectBrush("5 - Зеленый");
    EXPECT_EQ(store.brushColour(), "green");
    store.selectBrush("3 whatever");
    EXPECT_EQ(store.brushColour(), "magenta");
    store.selectBrush("Кисть");
    store.selectBrush("");
    store.selectBrush("8");
    EXPECT_EQ(store.brushColour(), "magenta");
    store.selectBackground("0");
    EXPECT_EQ(store.backgroundColour(), "black");
    EXPECT_EQ(store.brushColour(), "magenta");
}

TEST(Palette, ListsTheEightEntriesWithTheirCodesAndColours) {
    std::vector<std::string> texts;
    for (const auto& entry : vexilor::paletteEntries()) {
        texts.emplace_back(entry.entryText);
        EXPECT_EQ(entry.entryText.front(), entry.code);
        EXPECT_EQ(vexilor::colourForCode(entry.code), std::string(entry.name));
    }
    EXPECT_THAT(texts,
                testing::ElementsAre("1 - Синий", "2 - Красный", "3 - Розовый", "4 - Голубой",
                                     "5 - Зеленый", "6 - Желтый", "7 - Белый", "0 - Черный"));
}

TEST(Palette, ShowsGreenDarkOnTheSwatchAndBrightInAPixel) {
    EXPECT_EQ(vexilor::rgbForSwatch("green"), (Rgb{0, 128, 0}));
    EXPECT_EQ(vexilor::rgbForPixel("green"), (Rgb{0, 255, 0}));
    EXPECT_EQ(vexilor::rgbForSwatch("magenta"), (Rgb{255, 0, 255}));
    EXPECT_EQ(vexilor::rgbForPixel("black"), (Rgb{0, 0, 0}));
    EXPECT_THROW(vexilor::rgbForPixel("Green"), Failure);
}
