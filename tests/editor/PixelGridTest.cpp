#include <QPaintEvent>

#include <set>

#include "PixelGridFixture.h"
#include "SpriteListing.h"

using vexilor::grid::cellRect;

namespace {

const QColor kSilver(192, 192, 192);

// Collects the regions the grid is asked to paint while pending events run.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }

    QRegion paintedAfterEvents() {
        painted_ = QRegion();
        QCoreApplication::processEvents();
        return painted_;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion painted_;
};

}  // namespace

// --- Before Clear ---

TEST_F(PixelGridFixture, BeforeClearTheTopLeftCellShowsHighlightedAndPressesDoNothing) {
    const QImage before = picture();
    EXPECT_EQ(before.size(), QSize(577, 577));
    EXPECT_EQ(fillOf(before, 0, 0), highlight());
    EXPECT_EQ(fillOf(before, 1, 0), QColor(Qt::white));
    EXPECT_EQ(before.pixelColor(8, 3), kSilver);
    EXPECT_EQ(before.pixelColor(576, 100), QColor(Qt::white));
    EXPECT_EQ(before.pixelColor(100, 576), QColor(Qt::white));

    clickCell(Qt::LeftButton, 0, 0);
    clickCell(Qt::LeftButton, 3, 3);
    EXPECT_EQ(setPixelCount(), 0);
    EXPECT_EQ(picture(), before);
}

// --- Painting with the mouse ---

TEST_F(PixelGridFixture, LeftPressSetsThePixelInTheBrushFillAndRightPressClearsIt) {
    store.selectBrush("5 - Зеленый");
    clear();
    clickCell(Qt::LeftButton, 3, 2);
    EXPECT_EQ(store.pixel(3, 2), 1);
    EXPECT_EQ(setPixelCount(), 1);
    EXPECT_EQ(fillOf(picture(), 3, 2), QColor(0, 255, 0));

    QTest::mouseDClick(grid, Qt::RightButton, {}, centreOf(3, 2));
    EXPECT_EQ(store.pixel(3, 2), 0);
    EXPECT_EQ(fillOf(picture(), 3, 2), QColor(Qt::white));
}

TEST_F(PixelGridFixture, APressOnALineCountsForTheCellLeftOfOrAboveIt) {
    clear();
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(17, 3));
    EXPECT_EQ(store.pixel(0, 0), 1);
    EXPECT_EQ(store.pixel(1, 0), 1);
    EXPECT_EQ(setPixelCount(), 2);
}

TEST_F(PixelGridFixture, APressBeyondTheSpriteMovesTheCurrentCellButSetsNothing) {
    clear();
    clickCell(Qt::LeftButton, 8, 0);
    clickCell(Qt::RightButton, 2, 2);
    EXPECT_EQ(setPixelCount(), 0);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 8, 0));
    EXPECT_FALSE(hasFocusFrame(image, 2, 2));
    EXPECT_EQ(fillOf(image, 0, 0), QColor(Qt::white));
}

TEST_F(PixelGridFixture, APressOnTheLastPixelColumnOrRowChangesNothing) {
    clear();
    grid->setFocus();
    const QImage before = picture();
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(576, 10));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(10, 576));
    EXPECT_EQ(setPixelCount(), 0);
    EXPECT_EQ(picture(), before);
}

TEST_F(PixelGridFixture, DraggingSetsOnlyTheFirstCellAndHighlightsTheCellsDraggedOver) {
    clear();
    store.setPixel(3, 1, 1);
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf(1, 1));
    QTest::mouseMove(grid, centreOf(2, 1));
    QTest::mouseMove(grid, centreOf(4, 2));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf(4, 2));

    EXPECT_EQ(store.pixel(1, 1), 1);
    EXPECT_EQ(setPixelCount(), 2);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 1, 1));
    EXPECT_EQ(fillOf(image, 2, 1), highlight());
    EXPECT_EQ(fillOf(image, 4, 2), highlight());
    EXPECT_EQ(fillOf(image, 3, 1), QColor(Qt::black));
    EXPECT_EQ(fillOf(image, 5, 2), QColor(Qt::white));
}

TEST_F(PixelGridFixture, ShiftPressStretchesTheSelectionAndTheCurrentCellStays) {
    clear();
    clickCell(Qt::LeftButton, 1, 1);
    clickCell(Qt::LeftButton, 3, 2, Qt::ShiftModifier);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 1, 1));
    EXPECT_EQ(fillOf(image, 2, 2), highlight());
    EXPECT_EQ(fillOf(image, 3, 2), QColor(Qt::black));
}

// --- Colours and sizes ---

TEST_F(PixelGridFixture, WhiteBrushOnBlackBackgroundKeepsTheLinesSilver) {
    store.selectBrush("7 - Белый");
    clear(Qt::black);
    clickCell(Qt::LeftButton, 2, 2);
    const QImage image = picture();
    EXPECT_EQ(fillOf(image, 2, 2), QColor(Qt::white));
    EXPECT_EQ(fillOf(image, 5, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(26, 20), kSilver);
    EXPECT_EQ(image.pixelColor(20, 26), kSilver);
    EXPECT_EQ(image.pixelColor(576, 20), QColor(Qt::black));
}

TEST_F(PixelGridFixture, PixelsBeyondAShrunkWidthStayVisibleAndComeBackInTheListing) {
    store.setWidthFromText("16");
    clear();
    clickCell(Qt::LeftButton, 12, 3);
    store.setWidthFromText("8");
    EXPECT_EQ(fillOf(picture(), 12, 3), QColor(Qt::black));
    EXPECT_EQ(vexilor::makeListing(store, false).at(2 + 3), "    00000000");

    store.setWidthFromText("16");
    const auto listing = vexilor::makeListing(store, false);
    EXPECT_EQ(listing.at(1), "   B1: DATA 0, 0, 0, 8, 0, 0, 0, 0, ");
    EXPECT_EQ(listing.at(4 + 3), "    0000000000001000");
}

// --- Repainting ---

TEST_F(PixelGridFixture, AClickRepaintsOnlyItsOwnCell) {
    clear();
    clickCell(Qt::LeftButton, 5, 6);
    PaintRecorder recorder(grid);
    recorder.paintedAfterEvents();
    clickCell(Qt::RightButton, 5, 6);
    EXPECT_EQ(recorder.paintedAfterEvents(), QRegion(cellRect(5, 6)));
}

TEST_F(PixelGridFixture, OnlyANewBackgroundColourRepaintsTheWholeGrid) {
    PaintRecorder recorder(grid);
    recorder.paintedAfterEvents();
    grid->setBackgroundColour(Qt::white);
    EXPECT_TRUE(recorder.paintedAfterEvents().isEmpty());
    grid->setBackgroundColour(QColor(0, 128, 0));
    EXPECT_EQ(recorder.paintedAfterEvents(), QRegion(grid->rect()));
}

// --- High-density screens ---

TEST_F(PixelGridFixture, AtDevicePixelRatioTwoCellsAndLinesStaySharp) {
    store.selectBrush("2 - Красный");
    clear(Qt::blue);
    clickCell(Qt::LeftButton, 1, 1);
    clickCell(Qt::LeftButton, 2, 1, Qt::ShiftModifier);
    QImage image(2 * 577, 2 * 577, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    grid->render(&image);

    // Every device pixel has one of the grid's own colours (the frame's dots invert the
    // red cell to cyan): nothing is blended.
    const std::set<QRgb> own{QColor(Qt::blue).rgb(), QColor(Qt::red).rgb(), kSilver.rgb(),
                             highlight().rgb(), QColor(Qt::cyan).rgb()};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(own.count(image.pixel(x, y))) << "blended at " << x << ", " << y;
    // The line at x = 8 covers device columns 16 and 17 and no more.
    EXPECT_EQ(image.pixelColor(15, 8), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(16, 8), kSilver);
    EXPECT_EQ(image.pixelColor(17, 8), kSilver);
    EXPECT_EQ(image.pixelColor(18, 8), QColor(Qt::blue));
}
