#include "EditorCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Failure.h"
#include "QStringPrinting.h"

using testing::ElementsAre;
using vexilor::EditorCommands;
using vexilor::Failure;
using From = vexilor::EditorCommands::From;

namespace {

EditorCommands readyToClear() {
    EditorCommands commands("/opt/vexilor/");
    commands.chooseWidth("16");
    commands.chooseHeight("8");
    commands.chooseBrush("0 - Черный");
    commands.chooseBackground("7 - Белый");
    return commands;
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

TEST(StartingTheEditor, OnlyTheWidthBoxExitWithoutSavingAndTheFreeMenuItemsAreUsable) {
    const EditorCommands commands("/opt/vexilor/");
    const auto& c = commands.controls();
    EXPECT_TRUE(c.ComboBox1.enabled);
    for (const auto* locked :
         {&c.ComboBox2, &c.ComboBox3, &c.ComboBox4, &c.StringGrid1, &c.Button1, &c.Button2,
          &c.Button3, &c.Button4, &c.N5, &c.N6, &c.N7, &c.N8, &c.N9})
        EXPECT_FALSE(locked->enabled);
    for (const auto* free : {&c.Button5, &c.N4, &c.N10, &c.N11, &c.N12})
        EXPECT_TRUE(free->enabled);
    EXPECT_FALSE(c.Panel17.visible);
    EXPECT_FALSE(c.Panel18.visible);
    EXPECT_EQ(c.StringGrid1.colour, QColor(Qt::white));
    EXPECT_TRUE(commands.listingLines().isEmpty());
}

TEST(StartingTheEditor, StatusLabelsAndBoxesShowTheirPrompts) {
    const EditorCommands commands("/opt/vexilor/");
    const auto& c = commands.controls();
    EXPECT_EQ(c.Label7.text, "Размер:");
    EXPECT_EQ(c.Label5.text, "Кисть:");
    EXPECT_EQ(c.Label6.text, "Фон: ");
    EXPECT_EQ(c.Label8.text, "Папка по умолчанию: /opt/vexilor/");
    EXPECT_EQ(c.ComboBox1.text, "горизонт.");
    EXPECT_EQ(c.ComboBox4.text, "Фон");
}

TEST(ChoosingTheSize, WidthUpdatesTheSizeLabelAndUnlocksTheHeight) {
    EditorCommands commands("/");
    commands.chooseWidth("16");
    EXPECT_EQ(commands.controls().Label7.text, "Размер: 16x8");
    EXPECT_TRUE(commands.controls().ComboBox2.enabled);
    EXPECT_FALSE(commands.controls().ComboBox3.enabled);

    commands.chooseHeight("24");
    EXPECT_EQ(commands.controls().Label7.text, "Размер: 16x24");
    EXPECT_EQ(commands.store().height(), 24);
    EXPECT_TRUE(commands.controls().ComboBox3.enabled);
}

TEST(ChoosingTheSize, TheLabelShowsTheTextAsTyped) {
    EditorCommands commands("/");
    commands.chooseWidth("$10");
    EXPECT_EQ(commands.store().width(), 16);
    EXPECT_EQ(commands.controls().Label7.text, "Размер: $10x8");
}

TEST(ChoosingTheSize, ATextThatIsNoNumberChangesNothing) {
    EditorCommands commands("/");
    commands.chooseWidth("16");
    EXPECT_EQ(failureMessage([&] { commands.chooseHeight("abc"); }),
              "'abc' is not a valid integer value");
    EXPECT_EQ(commands.store().height(), 8);
    EXPECT_EQ(commands.controls().Label7.text, "Размер: 16x8");
    EXPECT_FALSE(commands.controls().ComboBox3.enabled);
}

TEST(ChoosingTheSize, AnEmptyWidthFailsBeforeUnlockingTheHeight) {
    EditorCommands commands("/");
    EXPECT_EQ(failureMessage([&] { commands.chooseWidth(""); }), "'' is not a valid integer value");
    EXPECT_EQ(commands.controls().Label7.text, "Размер:");
    EXPECT_FALSE(commands.controls().ComboBox2.enabled);
}

TEST(ChoosingColours, BrushShowsItsSwatchAndUnlocksTheBackground) {
    EditorCommands commands("/");
    commands.chooseBrush("5 - Зеленый");
    const auto& c = commands.controls();
    EXPECT_EQ(c.Label5.text, "Кисть: 5 - Зеленый");
    EXPECT_EQ(commands.store().brushColour(), "green");
    EXPECT_TRUE(c.Panel17.visible);
    EXPECT_EQ(c.Panel17.colour, QColor(0, 128, 0));
    EXPECT_TRUE(c.ComboBox4.enabled);
    EXPECT_FALSE(c.Button1.enabled);
}

TEST(ChoosingColours, BackgroundShowsItsSwatchAndUnlocksClear) {
    EditorCommands commands("/");
    commands.chooseBackground("1 - Синий");
    const auto& c = commands.controls();
    EXPECT_EQ(c.Label6.text, "Фон: 1 - Синий");
    EXPECT_EQ(c.Panel18.colour, QColor(0, 0, 255));
    EXPECT_TRUE(c.Panel18.visible);
    EXPECT_TRUE(c.Button1.enabled);
    EXPECT_TRUE(c.N8.enabled);
    EXPECT_FALSE(c.N9.enabled);
}

TEST(ChoosingColours, AnUnknownFirstCharacterKeepsTheColourButStillMovesOn) {
    EditorCommands commands("/");
    commands.chooseBrush("2 - Красный");
    commands.chooseBrush("Кисть");
    const auto& c = commands.controls();
    EXPECT_EQ(commands.store().brushColour(), "red");
    EXPECT_EQ(c.Label5.text, "Кисть: Кисть");
    EXPECT_EQ(c.Panel17.colour, QColor(255, 0, 0));
    EXPECT_TRUE(c.ComboBox4.enabled);
}

TEST(ChoosingColours, TheGridFollowsTheBackgroundOnlyWhenClearRuns) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Button);
    commands.chooseBackground("4 - Голубой");
    EXPECT_EQ(commands.controls().StringGrid1.colour, QColor(Qt::white));
    commands.clear(From::Button);
    EXPECT_EQ(commands.controls().StringGrid1.colour, QColor(0, 255, 255));
}

TEST(Clearing, TheButtonUnlocksPaintingConvertSaveAndTheMenuConvert) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Button);
    const auto& c = commands.controls();
    for (const auto* unlocked : {&c.StringGrid1, &c.Button2, &c.Button3, &c.N6, &c.N9})
        EXPECT_TRUE(unlocked->enabled);
    EXPECT_FALSE(c.N7.enabled);
    EXPECT_FALSE(c.Button4.enabled);
}

TEST(Clearing, TheMenuItemUnlocksMenuPrintInsteadOfMenuConvert) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Menu);
    const auto& c = commands.controls();
    EXPECT_TRUE(c.N7.enabled);
    EXPECT_FALSE(c.N9.enabled);
    EXPECT_TRUE(c.Button2.enabled);
    EXPECT_TRUE(c.StringGrid1.enabled);
}

TEST(Clearing, EveryPixelAndTheListingAreEmptied) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Button);
    commands.store().setPixel(0, 0, 1);
    commands.store().setPixel(15, 7, 1);
    commands.convert(From::Menu);
    commands.clear(From::Button);
    EXPECT_TRUE(commands.listingLines().isEmpty());
    EXPECT_TRUE(commands.controls().Memo1.text.isEmpty());
    commands.convert(From::Menu);
    EXPECT_EQ(commands.listingLines().first(), "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_EQ(commands.listingLines().last(), "    0000000000000000");
}

TEST(Converting, TheButtonAddsCreditsAndTheMenuItemDoesNot) {
    EditorCommands commands("/");
    commands.chooseWidth("8");
    commands.chooseBackground("7 - Белый");
    commands.clear(From::Button);
    commands.store().setPixel(0, 0, 1);

    commands.convert(From::Menu);
    EXPECT_EQ(commands.listingLines().size(), 11);
    EXPECT_EQ(commands.listingLines().first(), "   A1: DATA 128, 0, 0, 0, 0, 0, 0, 0, ");

    commands.convert(From::Button);
    EXPECT_EQ(commands.listingLines().size(), 16);
    EXPECT_EQ(commands.listingLines()[13], "Создано при помощи программы Vexilor ver.2.0");
    EXPECT_TRUE(commands.controls().Button4.enabled);
    EXPECT_TRUE(commands.controls().N9.enabled);
}

TEST(Converting, TwiceGivesTheListingOnceAndTheBoxShowsItsLines) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Menu);
    commands.convert(From::Menu);
    const QStringList first = commands.listingLines();
    commands.convert(From::Menu);
    EXPECT_EQ(commands.listingLines(), first);
    EXPECT_THAT(commands.listingLines().mid(0, 4),
                ElementsAre("   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ",
                            "   B1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ", "", ""));
    EXPECT_EQ(commands.controls().Memo1.text, first.join('\n'));
}

TEST(UsingTheWholeChain, OpenNeverBecomesUsable) {
    EditorCommands commands = readyToClear();
    commands.clear(From::Menu);
    commands.clear(From::Button);
    commands.convert(From::Button);
    commands.convert(From::Menu);
    EXPECT_FALSE(commands.controls().N5.enabled);
}
