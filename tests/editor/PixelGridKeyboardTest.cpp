#include "PixelGridFixture.h"

namespace {

class PixelGridKeyboard : public PixelGridFixture {
protected:
    void SetUp() override {
        PixelGridFixture::SetUp();
        clear();
        grid->setFocus();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(grid, key, modifiers);
    }

    // The cell with the focus frame, found on the picture.
    QPoint currentCell() const {
        const QImage image = picture();
        for (int row = 0; row < 64; ++row)
            for (int column = 0; column < 64; ++column)
                if (hasFocusFrame(image, column, row))
                    return QPoint(column, row);
        return QPoint(-1, -1);
    }
};

}  // namespace

TEST_F(PixelGridKeyboard, NavigationKeysMoveTheCurrentCellAndStopAtTheEdges) {
    press(Qt::Key_Up);
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(currentCell(), QPoint(1, 1));
    press(Qt::Key_End);
    EXPECT_EQ(currentCell(), QPoint(63, 1));
    press(Qt::Key_Right);
    press(Qt::Key_PageDown);
    EXPECT_EQ(currentCell(), QPoint(63, 63));
    press(Qt::Key_Home);
    press(Qt::Key_PageUp);
    EXPECT_EQ(currentCell(), QPoint(0, 0));
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(currentCell(), QPoint(63, 63));
    press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(currentCell(), QPoint(0, 0));
}

TEST_F(PixelGridKeyboard, ShiftWithANavigationKeyExtendsTheSelection) {
    press(Qt::Key_Right);
    press(Qt::Key_Right, Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ShiftModifier);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 2, 1));
    EXPECT_EQ(fillOf(image, 1, 0), highlight());
    EXPECT_EQ(fillOf(image, 1, 1), highlight());
    EXPECT_EQ(fillOf(image, 0, 0), QColor(Qt::white));
    EXPECT_EQ(fillOf(image, 3, 1), QColor(Qt::white));
}

TEST_F(PixelGridKeyboard, NoKeyChangesAPixel) {
    store.setPixel(0, 0, 1);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
        press(key);
    QTest::keyClicks(grid, "a01");
    EXPECT_EQ(setPixelCount(), 1);
}

TEST_F(PixelGridKeyboard, TabMovesTheFocusOnAndTheCurrentCellShowsHighlighted) {
    press(Qt::Key_Tab);
    EXPECT_TRUE(nextControl->hasFocus());
    const QImage image = picture();
    EXPECT_FALSE(hasFocusFrame(image, 0, 0));
    EXPECT_EQ(fillOf(image, 0, 0), highlight());
}
