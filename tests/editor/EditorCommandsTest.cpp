#include "EditorCommands.h"

#include <gmock/gmock.h>

#include "CoreTesting.h"
#include "TestFiles.h"

using vexilor::EditorCommands;
using From = vexilor::EditorCommands::From;

namespace {

// The controls that the commands unlock, those of them that can be used.
QString usable(const vexilor::MainWindowControls& c) {
#define IF_USABLE(control) QString(c.control.enabled ? #control " " : "")
    return IF_USABLE(ComboBox1) + IF_USABLE(ComboBox2) + IF_USABLE(ComboBox3) +
           IF_USABLE(ComboBox4) + IF_USABLE(StringGrid1) + IF_USABLE(Button1) + IF_USABLE(Button2) +
           IF_USABLE(Button3) + IF_USABLE(Button4) + IF_USABLE(Button5) + IF_USABLE(N4) +
           IF_USABLE(N5) + IF_USABLE(N6) + IF_USABLE(N7) + IF_USABLE(N8) + IF_USABLE(N9) +
           IF_USABLE(N10) + IF_USABLE(N11) + IF_USABLE(N12);
#undef IF_USABLE
}

}  // namespace

TEST(UsingTheEditor, ChoosesColoursByTheFirstCharacterOnly) {
    EditorCommands commands("/opt/vexilor/");
    EXPECT_EQ(commands.brush(), vexilor::Colour::Black);
    EXPECT_EQ(commands.background(), vexilor::Colour::White);
    commands.chooseBrush("3 whatever");
    for (const char* unknown : {"Кисть", "", "8"})
        commands.chooseBrush(unknown);
    commands.chooseBackground("0");
    EXPECT_EQ(commands.brush(), vexilor::Colour::Magenta);
    EXPECT_EQ(commands.background(), vexilor::Colour::Black);
}

TEST(UsingTheEditor, EachStepUnlocksTheNextAndTheLabelsShowWhatWasChosen) {
    EditorCommands commands("/opt/vexilor/");
    const auto& c = commands.controls();
    EXPECT_EQ(usable(c), "ComboBox1 Button5 N4 N10 N11 N12 ");
    EXPECT_FALSE(c.Panel17.visible || c.Panel18.visible);
    EXPECT_EQ(c.Label7.text + c.Label5.text + c.Label6.text, "Размер:Кисть:Фон: ");
    EXPECT_EQ(c.Label8.text, "Папка по умолчанию: /opt/vexilor/");
    EXPECT_EQ(c.ComboBox1.text + c.ComboBox4.text, "горизонт.Фон");

    commands.chooseWidth("$10");  // the label shows the width as typed
    EXPECT_EQ(c.Label7.text, "Размер: $10x8");
    EXPECT_EQ(usable(c), "ComboBox1 ComboBox2 Button5 N4 N10 N11 N12 ");
    commands.chooseHeight("24");
    EXPECT_EQ(c.Label7.text, "Размер: 16x24");
    EXPECT_EQ(usable(c), "ComboBox1 ComboBox2 ComboBox3 Button5 N4 N10 N11 N12 ");

    commands.chooseBrush("5 - Зеленый");
    EXPECT_EQ(c.Label5.text, "Кисть: 5 - Зеленый");
    EXPECT_TRUE(c.Panel17.visible);
    commands.chooseBrush("Кисть");  // no colour of that name: green stays, the label follows
    EXPECT_EQ(commands.brush(), vexilor::Colour::Green);
    EXPECT_EQ(c.Label5.text, "Кисть: Кисть");
    const QString boxes = "ComboBox1 ComboBox2 ComboBox3 ComboBox4 ";
    EXPECT_EQ(usable(c), boxes + "Button5 N4 N10 N11 N12 ");

    commands.chooseBackground("1 - Синий");
    EXPECT_EQ(c.Label6.text, "Фон: 1 - Синий");
    EXPECT_TRUE(c.Panel18.visible);
    EXPECT_EQ(c.Panel18.colour, QColor(0, 0, 255));
    EXPECT_EQ(c.StringGrid1.colour, QColor(Qt::white));  // only Clear paints the grid
    EXPECT_EQ(usable(c), boxes + "Button1 Button5 N4 N8 N10 N11 N12 ");

    commands.clear(From::Button);
    EXPECT_EQ(c.StringGrid1.colour, QColor(0, 0, 255));
    const QString painting = boxes + "StringGrid1 Button1 Button2 Button3 ";
    EXPECT_EQ(usable(c), painting + "Button5 N4 N6 N8 N9 N10 N11 N12 ");
    commands.convert(From::Button);
    EXPECT_EQ(usable(c), painting + "Button4 Button5 N4 N6 N8 N9 N10 N11 N12 ");
}

TEST(UsingTheEditor, ClearAndConvertDependOnWhetherTheButtonOrTheMenuRunsThem) {
    EditorCommands commands("/");
    commands.chooseBackground("7 - Белый");
    commands.clear(From::Menu);
    const auto& c = commands.controls();
    EXPECT_EQ(usable(c),
              "ComboBox1 StringGrid1 Button1 Button2 Button3 Button5 N4 N6 N7 N8 N10 N11 N12 ");

    commands.paintPixel({0, 0}, 1);
    commands.convert(From::Menu);
    EXPECT_EQ(commands.listingLines().size(), 11);
    EXPECT_EQ(commands.listingLines().first(), "   A1: DATA 128, 0, 0, 0, 0, 0, 0, 0, ");
    commands.convert(From::Button);  // again: the listing once, now with the credits
    EXPECT_EQ(commands.listingLines().size(), 16);
    EXPECT_EQ(commands.listingLines()[13], "Создано при помощи программы Vexilor ver.2.0");

    commands.clear(From::Button);
    EXPECT_TRUE(commands.listingLines().isEmpty());
    EXPECT_EQ(setPixelCount(commands.store()), 0);
}

TEST(UsingTheEditor, ASizeThatIsNoNumberFailsAndChangesNothing) {
    EditorCommands commands("/");
    EXPECT_THAT([&] { commands.chooseWidth(""); }, failsWith("'' is not a valid integer value"));
    EXPECT_EQ(commands.controls().Label7.text, "Размер:");
    EXPECT_FALSE(commands.controls().ComboBox2.enabled);

    commands.chooseWidth("16");
    EXPECT_THAT([&] { commands.chooseHeight("abc"); },
                failsWith("'abc' is not a valid integer value"));
    EXPECT_EQ(commands.store().height(), 8);
    EXPECT_EQ(commands.controls().Label7.text, "Размер: 16x8");
    EXPECT_FALSE(commands.controls().ComboBox3.enabled);
}

namespace {

// The sprite's rows, "1" for a set pixel, separated by "|".
QString rowsOf(const vexilor::SpriteStore& store) {
    QStringList rows;
    for (int y = 0; y < store.height(); ++y) {
        QString row;
        for (int x = 0; x < store.width(); ++x)
            row += store.pixel(x, y) != 0 ? '1' : '0';
        rows << row;
    }
    return rows.join('|');
}

}  // namespace

TEST(EditingTheSprite, EveryPixelChangeIsOneStepOfAHistoryThatOutlivesChangesOfSize) {
    using Edit = EditorCommands::PixelEdit;
    EditorCommands commands("/");
    QUndoStack& history = commands.history();
    commands.chooseWidth("4");
    commands.chooseHeight("4");
    commands.chooseBackground("7 - Белый");
    history.undo();  // nothing to undo yet
    EXPECT_FALSE(history.canUndo() || commands.controls().editing.enabled);

    vexilor::PixelPicture twoSet{2, 1, {}};
    twoSet.pixels.set(vexilor::SpriteStore::pixelIndex(0, 0))
        .set(vexilor::SpriteStore::pixelIndex(1, 0));
    const vexilor::PixelField everyPixel = ~vexilor::PixelField();
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { commands.clear(From::Button); }, "0000|0000|0000|0000"},
        {[&] {
             commands.paintPixel({0, 0}, 1);
         },
         "1000|0000|0000|0000"},
        {[&] {
             commands.paintPixel({0, 0}, 1);
         },
         "1000|0000|0000|0000"},  // no step
        {[&] { commands.edit(Edit::MirrorLeftRight); }, "0001|0000|0000|0000"},
        {[&] { commands.edit(Edit::ShiftDown); }, "0000|0001|0000|0000"},
        {[&] { history.undo(); }, "0001|0000|0000|0000"},
        {[&] { history.undo(); }, "1000|0000|0000|0000"},
        {[&] { history.redo(); }, "0001|0000|0000|0000"},
        {[&] { commands.chooseWidth("2"); }, "00|00|00|00"},  // no step
        {[&] { history.undo(); }, "10|00|00|00"},             // also beyond the width
        {[&] { commands.chooseWidth("4"); }, "1000|0000|0000|0000"},
        {[&] { commands.edit(Edit::RotateClockwise); }, "0001|0000|0000|0000"},
        {[&] { history.redo(); }, "0001|0000|0000|0000"},  // a new change ends the redo
        {[&] { commands.edit(Edit::Invert); }, "1110|1111|1111|1111"},
        {[&] { commands.paste(twoSet); }, "1110|1111|1111|1111"},
        {[&] { commands.edit(Edit::ShiftLeft); }, "1101|1111|1111|1111"},
        {[&] { commands.paintPixels(everyPixel, 1, {}); }, "1111|1111|1111|1111"},
        {[&] { commands.paintPixels(everyPixel, 1, {}); }, "1111|1111|1111|1111"},  // no step
    };
    const int stepsTaken[] = {1, 2, 2, 3, 4, 3, 2, 3, 3, 2, 2, 3, 3, 4, 5, 6, 7, 7};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(rowsOf(commands.store()), steps[i].second) << "step " << i;
        EXPECT_EQ(history.index(), stepsTaken[i]) << "step " << i;
    }
    EXPECT_EQ(setPixelCount(commands.store()), 16) << "a drawing tool paints the sprite only";
    EXPECT_TRUE(commands.controls().editing.enabled && commands.controls().rotate.enabled);
    commands.chooseHeight("8");
    EXPECT_FALSE(commands.controls().rotate.enabled);

    while (history.canUndo())
        history.undo();
    EXPECT_EQ(setPixelCount(commands.store()), 0);
    for (int click = 0; click <= EditorCommands::kHistorySteps; ++click)
        commands.paintPixel({0, 0}, (click + 1) % 2);
    EXPECT_EQ(history.count(), EditorCommands::kHistorySteps);
}

namespace {

// Every frame's rows as rowsOf gives them, frames apart by " / ", and the shown one marked.
QString framesOf(const EditorCommands& commands) {
    QString frames;
    for (int frame = 0; frame < commands.document().frameCount(); ++frame) {
        frames += frame == 0 ? "" : " / ";
        frames += (frame == commands.shownFrame() ? "*" : "") +
                  rowsOf(commands.document().frameStore(frame));
    }
    return frames;
}

}  // namespace

TEST(EditingFrames, EachFrameEditIsOneStepThatUndoesToTheFrameShownWhenItWasMade) {
    EditorCommands commands("/");
    commands.chooseWidth("2");
    commands.chooseHeight("1");
    commands.chooseBackground("7 - Белый");
    commands.clear(From::Button);
    QUndoStack& history = commands.history();
    const auto& c = commands.controls();
    EXPECT_FALSE(c.otherFrames.enabled || c.moveFrameBack.enabled || c.moveFrameForward.enabled);
    commands.deleteFrame();  // the one frame stays, and that is no step

    const struct {
        std::function<void()> act;
        const char* frames;
        int steps;
    } table[] = {
        {[&] { commands.paintPixel({0, 0}, 1); }, "*10", 2},
        {[&] { commands.addFrame(); }, "10 / *10", 3},
        {[&] { commands.paintPixel({1, 0}, 1); }, "10 / *11", 4},
        {[&] { commands.addFrame(); }, "10 / 11 / *11", 5},
        {[&] { commands.edit(EditorCommands::PixelEdit::Invert); }, "10 / 11 / *00", 6},
        {[&] { commands.showNextFrame(); }, "*10 / 11 / 00", 6},  // after the last the first
        {[&] { commands.showPreviousFrame(); }, "10 / 11 / *00", 6},
        {[&] { commands.moveFrameBack(); }, "10 / *00 / 11", 7},
        {[&] { commands.showNextFrame(); }, "10 / 00 / *11", 7},
        {[&] { history.undo(); }, "10 / 11 / *00", 6},   // shows the moved frame again
        {[&] { history.undo(); }, "10 / 11 / *11", 5},   // the inverted frame
        {[&] { history.undo(); }, "10 / *11", 4},        // the frame shown before adding
        {[&] { history.redo(); }, "10 / 11 / *11", 5},   // the copy it added
        {[&] { commands.showPreviousFrame(); }, "10 / *11 / 11", 5},
        {[&] { commands.deleteFrame(); }, "10 / *11", 6},  // its successor takes its place
        {[&] { commands.deleteFrame(); }, "*10", 7},       // the last went: the new last
        {[&] { history.undo(); }, "10 / *11", 6},
        {[&] { commands.showPreviousFrame(); }, "*10 / 11", 6},
        {[&] { history.undo(); }, "10 / *11 / 11", 5},
    };
    for (std::size_t i = 0; i < std::size(table); ++i) {
        table[i].act();
        EXPECT_EQ(framesOf(commands), table[i].frames) << "step " << i;
        EXPECT_EQ(history.index(), table[i].steps) << "step " << i;
    }
    // Moving goes no further than either end; a change of size is every frame's.
    EXPECT_TRUE(c.otherFrames.enabled && c.moveFrameBack.enabled && c.moveFrameForward.enabled);
    commands.showPreviousFrame();
    EXPECT_FALSE(c.moveFrameBack.enabled);
    commands.chooseWidth("1");
    EXPECT_EQ(framesOf(commands), "*1 / 1 / 1");
}

// The mask's rows as "t" (transparent) and "." (opaque) per pixel, or "none".
static QString maskOf(const EditorCommands& commands) {
    const auto& mask = commands.shownContent().mask;
    if (!mask)
        return "none";
    QString rows;
    for (int row = 0; row < commands.document().height(); ++row) {
        rows += row == 0 ? "" : "|";
        for (int column = 0; column < commands.document().width(); ++column)
            rows += (*mask)[vexilor::SpriteStore::pixelIndex(column, row)] ? "t" : ".";
    }
    return rows;
}

TEST(EditingTheMask, MakingPaintingAndDeletingAreStepsAndThePictureStays) {
    EditorCommands commands("/");
    commands.chooseWidth("4");
    commands.chooseHeight("3");
    commands.chooseBackground("7 - Белый");
    commands.clear(From::Button);
    for (QPoint cell : {QPoint(1, 0), QPoint(0, 1), QPoint(2, 1), QPoint(1, 2)})
        commands.paintPixel(cell, 1);  // a ring round (1, 1)
    using Rule = EditorCommands::MaskRule;
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { commands.makeMask(Rule::Outside); }, "t.tt|...t|t.tt"},  // the hole stays opaque
        {[&] { commands.makeMask(Rule::Outline); }, "....|....|...."},
        {[&] { commands.deleteMask(); }, "none"},
        {[&] { commands.paintMask(true); }, "none"},  // no step yet
        {[&] { commands.paintPixel({3, 0}, 1); }, "....|....|...."},  // the first stroke makes one
        {[&] { commands.paintPixel({3, 0}, 0); }, "...t|....|...."},
        {[&] { commands.history().undo(); }, "....|....|...."},
        {[&] { commands.history().undo(); }, "none"},
        {[&] { commands.history().undo(); }, "....|....|...."},  // the deleted one is back
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(maskOf(commands), steps[i].second) << "step " << i;
    }
    EXPECT_TRUE(commands.maskShown());
    EXPECT_EQ(rowsOf(commands.store()), "0100|1010|0100");
}
