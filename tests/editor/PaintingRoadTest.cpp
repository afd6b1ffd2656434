#include <QComboBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "GridGeometry.h"
#include "PixelGrid.h"
#include "QStringPrinting.h"
#include "Unit1.h"

namespace {

// The main window as a new user meets it, with the splash window left out.
class PaintingRoad : public testing::Test {
protected:
    PaintingRoad() : window([](vexilor::TForm1&) { return vexilor::MainWindowServices{}; }) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget>
    Widget* child(const char* name) {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }

    void pick(const char* boxName, const QString& entry) {
        auto* box = child<QComboBox>(boxName);
        box->showPopup();
        const QModelIndex index = box->model()->index(box->findText(entry), 0);
        QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {},
                          box->view()->visualRect(index).center());
    }

    void clickCell(Qt::MouseButton button, int column, int row) {
        QTest::mouseClick(child<vexilor::PixelGrid>("StringGrid1"), button, {},
                          vexilor::grid::cellRect(column, row).center());
    }

    vexilor::TForm1 window;
};

}  // namespace

TEST_F(PaintingRoad, ANewUserPaintsASixteenBySixteenSpriteAndConvertsIt) {
    auto* grid = child<vexilor::PixelGrid>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_FALSE(grid->isEnabled());

    pick("ComboBox1", "16");
    pick("ComboBox2", "16");
    pick("ComboBox3", "5 - Зеленый");
    pick("ComboBox4", "0 - Черный");
    QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_TRUE(grid->isEnabled());

    // A diagonal from corner to corner, a dot at the top right, one diagonal pixel
    // cleared again, and a press beyond the sprite that sets nothing.
    for (int step = 0; step < 16; ++step)
        clickCell(Qt::LeftButton, step, step);
    clickCell(Qt::LeftButton, 15, 0);
    clickCell(Qt::RightButton, 7, 7);
    clickCell(Qt::LeftButton, 16, 3);

    const QImage picture = grid->grab().toImage();
    EXPECT_EQ(picture.pixelColor(vexilor::grid::cellRect(3, 3).center()), QColor(0, 255, 0));
    EXPECT_EQ(picture.pixelColor(vexilor::grid::cellRect(7, 7).center()), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(vexilor::grid::cellRect(2, 3).center()), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(8, 30), QColor(192, 192, 192));

    QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
    QStringList expected{
        "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 0, ",
        "   B1: DATA 1, 0, 0, 0, 0, 0, 0, 0, ",
        "   A2: DATA 0, 0, 0, 0, 0, 0, 0, 0, ",
        "   B2: DATA 128, 64, 32, 16, 8, 4, 2, 1, ",
        "",
        "",
    };
    for (int row = 0; row < 16; ++row) {
        QString digits(16, '0');
        digits[row] = '1';
        if (row == 0)
            digits[15] = '1';
        if (row == 7)
            digits[7] = '0';
        expected << "    " + digits;
    }
    const QStringList shown = window.memo().toPlainText().split('\n');
    ASSERT_GE(shown.size(), expected.size());
    EXPECT_EQ(shown.mid(0, expected.size()), expected);
    EXPECT_EQ(shown.size(), expected.size() + 2 + 3);  // two empty lines and the credits
}
