#include "EditableDropDown.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "TestFiles.h"

namespace {

// A size box as the user meets it: its prompt in the edit field, the five sizes listed.
// Each step gives what the box shows and the texts it reported meanwhile.
class SizeBox : public testing::Test {
protected:
    SizeBox() {
        box.addItems({"8", "16", "24", "32", "64"});
        box.setTextQuietly("горизонт.");
    }
    QString shownAndReported() {
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
    EXPECT_EQ(shownAndReported(), "вертик. <- ");
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
    EXPECT_EQ(shownAndReported(), "8 <- 8,16,8");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "64");  // completed at the first digit, so reported once
    EXPECT_EQ(shownAndReported(), "64 <- 64");
    keys({Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace});
    EXPECT_EQ(shownAndReported(), " <- 6,,");  // Backspace reports even when nothing is left
    QTest::keyClicks(&box, "ab");
    EXPECT_EQ(shownAndReported(), "ab <- a,ab");

    box.setTextQuietly("32");
    box.lineEdit()->setCursorPosition(0);
    keys({Qt::Key_Delete});
    QApplication::clipboard()->setText("4");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shownAndReported(), "42 <- 2,42");
}
