#include "EditableDropDown.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "QStringPrinting.h"

using vexilor::EditableDropDown;

namespace {

// A size box as the user meets it: its prompt in the edit field, the five sizes listed.
class SizeBox : public testing::Test {
protected:
    SizeBox() {
        box.addItems({"8", "16", "24", "32", "64"});
        box.setTextQuietly("горизонт.");
    }

    QStringList reported() const {
        QStringList texts;
        for (const auto& arguments : spy)
            texts << arguments.at(0).toString();
        return texts;
    }

    void selectAll() { QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); }

    EditableDropDown box;
    QSignalSpy spy{&box, &EditableDropDown::textChangedByUser};
};

}  // namespace

TEST_F(SizeBox, TheProgramsOwnTextChangesReportNothing) {
    box.setTextQuietly("вертик.");
    EXPECT_EQ(box.currentText(), "вертик.");
    EXPECT_TRUE(reported().isEmpty());
}

TEST_F(SizeBox, TypingCompletesFromTheListAndSelectsTheCompletedPart) {
    selectAll();
    QTest::keyClicks(&box, "1");
    EXPECT_EQ(box.currentText(), "16");
    EXPECT_EQ(box.lineEdit()->selectedText(), "6");
    QTest::keyClicks(&box, "2");
    EXPECT_EQ(box.currentText(), "12");
    EXPECT_EQ(reported(), QStringList({"16", "12"}));
}

TEST_F(SizeBox, TypingTheRestOfTheSameEntryReportsItOnlyOnce) {
    selectAll();
    QTest::keyClicks(&box, "64");
    EXPECT_EQ(box.currentText(), "64");
    EXPECT_EQ(reported(), QStringList({"64"}));
}

TEST_F(SizeBox, TypingWhatNoEntryStartsWithIsTakenAsTyped) {
    selectAll();
    QTest::keyClicks(&box, "ab");
    EXPECT_EQ(box.currentText(), "ab");
    EXPECT_EQ(reported(), QStringList({"a", "ab"}));
}

TEST_F(SizeBox, BackspaceAlwaysReportsEvenWhenNothingIsLeftToDelete) {
    selectAll();
    QTest::keyClicks(&box, "1");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.currentText(), "1");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(reported(), QStringList({"16", "1", "", ""}));
}

TEST_F(SizeBox, TypingAgainAfterBackspaceReportsTheCompletedEntry) {
    selectAll();
    QTest::keyClicks(&box, "1");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, "6");
    EXPECT_EQ(reported(), QStringList({"16", "1", "16"}));
}

TEST_F(SizeBox, CompletionIgnoresCase) {
    EditableDropDown colours;
    colours.addItems({"1 - Синий", "5 - Зеленый"});
    colours.setTextQuietly("Кисть");
    QTest::keyClick(&colours, Qt::Key_A, Qt::ControlModifier);
    QSignalSpy colourSpy(&colours, &EditableDropDown::textChangedByUser);
    // QTest types ASCII only; the Cyrillic letter comes as the keyboard would send it.
    QTest::keyClicks(&colours, "5 - ");
    QKeyEvent smallZe(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("з"));
    QApplication::sendEvent(&colours, &smallZe);
    EXPECT_EQ(colours.currentText(), "5 - Зеленый");
    ASSERT_EQ(colourSpy.size(), 1);
    EXPECT_EQ(colourSpy.at(0).at(0).toString(), "5 - Зеленый");
}

TEST_F(SizeBox, DeleteAndPasteReportTheNewText) {
    box.setTextQuietly("32");
    box.lineEdit()->setCursorPosition(0);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.currentText(), "2");
    QApplication::clipboard()->setText("4");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.currentText(), "42");
    EXPECT_EQ(reported(), QStringList({"2", "42"}));
}

TEST_F(SizeBox, ArrowKeysStepThroughTheListReportingEachEntry) {
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.currentText(), "8");
    EXPECT_EQ(reported(), QStringList({"8", "16", "8"}));
}

TEST_F(SizeBox, EnterDoesNotPickTheEntryAgain) {
    selectAll();
    QTest::keyClicks(&box, "24");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(reported(), QStringList({"24"}));
}
