#include "EditableDropDown.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "WidgetTesting.h"

namespace {

// A size box as the user meets it: its prompt in the edit field, the five sizes listed.
// Each step gives what the box shows and the texts it reported meanwhile.
class SizeBox : public testing::Test {
protected:
    SizeBox() {
        box.addItems({"8", "16", "24", "32", "64"});
        box.setTextQuietly("горизонт.");
    }
    QString reported() {
        QStringList texts;
        for (const auto& arguments : spy)
            texts << arguments.at(0).toString();
        spy.clear();
        return box.currentText() + " <- " + texts.join(',');
    }
    void keys(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(&box, key);
    }

    vexilor::EditableDropDown box;
    QSignalSpy spy{&box, &vexilor::EditableDropDown::textChangedByUser};
};

}  // namespace

TEST_F(SizeBox, ReportsEveryChangeOfTheUsersOwnOnce) {
    box.setTextQuietly("вертик.");
    EXPECT_EQ(reported(), "вертик. <- ");
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
    EXPECT_EQ(reported(), "8 <- 8,16,8");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "64");  // completed at the first digit, so reported once
    EXPECT_EQ(reported(), "64 <- 64");
    keys({Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace});
    EXPECT_EQ(reported(), " <- 6,,");  // Backspace reports even when nothing is left
    QTest::keyClicks(&box, "ab");
    EXPECT_EQ(reported(), "ab <- a,ab");

    box.setTextQuietly("32");
    box.lineEdit()->setCursorPosition(0);
    keys({Qt::Key_Delete});
    QApplication::clipboard()->setText("4");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(reported(), "42 <- 2,42");
}

TEST_F(SizeBox, CompletionIgnoresCase) {
    box.clear();
    box.addItems({"1 - Синий", "5 - Зеленый"});
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    // QTest types ASCII only; the Cyrillic letter comes as the keyboard would send it.
    QTest::keyClicks(&box, "5 - ");
    QKeyEvent smallZe(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("з"));
    QApplication::sendEvent(&box, &smallZe);
    EXPECT_EQ(reported(), "5 - Зеленый <- 5 - Зеленый");
}
