#include "PixelGrid.h"

#include <gtest/gtest.h>
#include <QPaintEvent>
#include <QTest>

#include <set>

#include "CoreTesting.h"
#include "EditorCommands.h"
#include "GridGeometry.h"
#include "ScreenPixels.h"
#include "SpriteListing.h"

using vexilor::grid::cellRect;

namespace {

const QColor kSilver(192, 192, 192);

// The grid shown in an active window, and the regions it is asked to paint.
class PaintingOnTheGrid : public testing::Test, public QObject {
protected:
    void SetUp() override {
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        grid.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

    // The editor's Clear on the background chosen, which the window follows by enabling
    // the grid.
    void clear(const char* background = "7 - Белый") {
        commands.chooseBackground(background);
        commands.clear(vexilor::EditorCommands::From::Button);
        grid.setEnabled(true);
    }
    void clickCell(Qt::MouseButton button, int column, int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(&grid, button, keys, cellRect(column, row).center());
    }
    QImage picture() { return onScreen(grid); }
    // The colour inside a cell, away from its edge where the focus frame lies.
    QColor fillOf(int column, int row) {
        return picture().pixelColor(cellRect(column, row).center());
    }

    vexilor::EditorCommands commands{"/"};
    vexilor::SpriteStore store() const { return commands.store(); }
    vexilor::PixelGrid grid{commands};
    QRegion painted;
};

}  // namespace

TEST_F(PaintingOnTheGrid, BeforeClearPressesDoNothing) {
    const QImage before = picture();
    clickCell(Qt::LeftButton, 0, 0);
    clickCell(Qt::LeftButton, 3, 3);
    EXPECT_EQ(setPixelCount(store()), 0);
    EXPECT_EQ(picture(), before);
}

TEST_F(PaintingOnTheGrid, LeftPressSetsThePixelInTheBrushFillRightPressClearsItRepaintingOneCell) {
    commands.chooseBrush("5 - Зеленый");
    clear();
    clickCell(Qt::LeftButton, 3, 2);
    EXPECT_EQ(store().pixel(3, 2), 1);
    EXPECT_EQ(setPixelCount(store()), 1);
    EXPECT_EQ(fillOf(3, 2), QColor(0, 255, 0));

    QCoreApplication::processEvents();
    painted = QRegion();
    clickCell(Qt::RightButton, 3, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(painted, QRegion(cellRect(3, 2)));
    EXPECT_EQ(store().pixel(3, 2), 0);
    EXPECT_EQ(fillOf(3, 2), QColor(Qt::white));
}

TEST_F(PaintingOnTheGrid, APressBeyondTheSpriteOnlyMovesTheCurrentCellOneOnTheEdgeNothing) {
    clear();
    clickCell(Qt::LeftButton, 8, 0);
    EXPECT_EQ(setPixelCount(store()), 0);
    // The dotted focus frame marks the current cell's top left pixel.
    const QImage image = picture();
    for (auto [column, isCurrent] : {std::pair{8, true}, {0, false}})
        EXPECT_EQ(image.pixelColor(cellRect(column, 0).topLeft()) !=
                      image.pixelColor(cellRect(column, 0).center()),
                  isCurrent);

    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(576, 10));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(10, 576));
    EXPECT_EQ(setPixelCount(store()), 0);
    EXPECT_EQ(picture(), image);
}

TEST_F(PaintingOnTheGrid, DraggingSetsOnlyTheFirstCell) {
    clear();
    QTest::mousePress(&grid, Qt::LeftButton, {}, cellRect(1, 1).center());
    QTest::mouseMove(&grid, cellRect(2, 1).center());
    QTest::mouseMove(&grid, cellRect(4, 2).center());
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, cellRect(4, 2).center());
    EXPECT_EQ(store().pixel(1, 1), 1);
    EXPECT_EQ(setPixelCount(store()), 1);
}

TEST_F(PaintingOnTheGrid, NoKeyChangesAPixel) {
    clear();
    commands.paintPixel({0, 0}, 1);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return,
                        Qt::Key_Right, Qt::Key_End})
        QTest::keyClick(&grid, key);
    QTest::keyClicks(&grid, "a01");
    EXPECT_EQ(setPixelCount(store()), 1);
}

TEST_F(PaintingOnTheGrid, PixelsBeyondAShrunkWidthStayVisibleAndComeBackInTheListing) {
    commands.chooseWidth("16");
    clear();
    clickCell(Qt::LeftButton, 12, 3);
    commands.chooseWidth("8");
    EXPECT_EQ(fillOf(12, 3), QColor(Qt::black));
    EXPECT_EQ(vexilor::makeListing(store(), false).at(2 + 3), "    00000000");
    commands.chooseWidth("16");
    const auto listing = vexilor::makeListing(store(), false);
    EXPECT_EQ(listing.at(1), "   B1: DATA 0, 0, 0, 8, 0, 0, 0, 0, ");
    EXPECT_EQ(listing.at(4 + 3), "    0000000000001000");
}

TEST_F(PaintingOnTheGrid, WhiteBrushOnBlackBackgroundKeepsTheLinesSilver) {
    commands.chooseBrush("7 - Белый");
    clear("0 - Черный");
    clickCell(Qt::LeftButton, 2, 2);
    const QImage image = picture();
    EXPECT_EQ(image.pixelColor(cellRect(2, 2).center()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(cellRect(5, 5).center()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(26, 20), kSilver);
    EXPECT_EQ(image.pixelColor(20, 26), kSilver);
}

TEST_F(PaintingOnTheGrid, AtDevicePixelRatioTwoCellsAndLinesStaySharp) {
    commands.chooseBrush("2 - Красный");
    clear("1 - Синий");
    clickCell(Qt::LeftButton, 1, 1);
    clickCell(Qt::LeftButton, 2, 1, Qt::ShiftModifier);
    QImage image(2 * 577, 2 * 577, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    grid.render(&image);

    // Every device pixel has one of the grid's own colours (the frame's dots invert the
    // red cell to cyan): nothing is blended.
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);
    const std::set<QRgb> own{QColor(Qt::blue).rgb(), QColor(Qt::red).rgb(), kSilver.rgb(),
                             highlight.rgb(), QColor(Qt::cyan).rgb()};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(own.count(image.pixel(x, y))) << "blended at " << x << ", " << y;
    // The line at x = 8 covers device columns 16 and 17 and no more.
    const QColor line[] = {Qt::blue, kSilver, kSilver, Qt::blue};
    for (int x = 15; x <= 18; ++x)
        EXPECT_EQ(image.pixelColor(x, 8), line[x - 15]) << x;
}
