#include <QPaintEvent>

#include <iostream>
#include <set>

#include "PixelGridFixture.h"
#include "SpriteListing.h"

using vexilor::grid::cellRect;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kBrightGreen(0, 255, 0);

// Collects the regions the grid is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }

    // Lets every pending paint happen, then forgets it.
    void settle() {
        QCoreApplication::processEvents();
        painted = QRegion();
    }

    QRegion paintedAfterEvents() {
        QCoreApplication::processEvents();
        return painted;
    }

    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QWidget* widget_;
};

}  // namespace

// --- Before Clear ---

TEST_F(PixelGridFixture, BeforeClearTheTopLeftCellShowsHighlightedOnWhite) {
    const QImage image = picture();
    EXPECT_EQ(image.size(), QSize(577, 577));
    EXPECT_EQ(fillOf(image, 0, 0), highlight());
    EXPECT_FALSE(hasFocusFrame(image, 0, 0));
    EXPECT_EQ(fillOf(image, 1, 0), QColor(Qt::white));
    EXPECT_EQ(fillOf(image, 63, 63), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(8, 3), kSilver);
    EXPECT_EQ(image.pixelColor(3, 575), kSilver);
    EXPECT_EQ(image.pixelColor(576, 100), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 576), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(576, 576), QColor(Qt::white));
}

TEST_F(PixelGridFixture, BeforeClearPressesChangeNothing) {
    const QImage before = picture();
    clickCell(Qt::LeftButton, 0, 0);
    clickCell(Qt::LeftButton, 3, 3);
    clickCell(Qt::RightButton, 5, 5);
    EXPECT_EQ(setPixelCount(), 0);
    EXPECT_EQ(picture(), before);
}

// --- Painting with the mouse ---

TEST_F(PixelGridFixture, LeftPressSetsThePixelAndShowsItInTheBrushFill) {
    store.selectBrush("5 - Зеленый");
    clear();
    clickCell(Qt::LeftButton, 3, 2);
    EXPECT_EQ(store.pixel(3, 2), 1);
    EXPECT_EQ(setPixelCount(), 1);
    const QImage image = picture();
    EXPECT_EQ(fillOf(image, 3, 2), kBrightGreen);
    EXPECT_TRUE(hasFocusFrame(image, 3, 2));
}

TEST_F(PixelGridFixture, RightPressClearsThePixel) {
    clear();
    clickCell(Qt::LeftButton, 4, 4);
    clickCell(Qt::LeftButton, 4, 4);
    EXPECT_EQ(store.pixel(4, 4), 1);
    clickCell(Qt::RightButton, 4, 4);
    EXPECT_EQ(store.pixel(4, 4), 0);
    EXPECT_EQ(fillOf(picture(), 4, 4), QColor(Qt::white));
}

TEST_F(PixelGridFixture, DoubleClickActsAsTwoPresses) {
    clear();
    QTest::mouseDClick(grid, Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(store.pixel(1, 1), 1);
    QTest::mouseDClick(grid, Qt::RightButton, {}, centreOf(1, 1));
    EXPECT_EQ(store.pixel(1, 1), 0);
}

TEST_F(PixelGridFixture, APressOnALineCountsForTheCellLeftOfOrAboveIt) {
    clear();
    click(Qt::LeftButton, QPoint(8, 8));
    click(Qt::LeftButton, QPoint(17, 3));
    click(Qt::LeftButton, QPoint(3, 26));
    EXPECT_EQ(store.pixel(0, 0), 1);
    EXPECT_EQ(store.pixel(1, 0), 1);
    EXPECT_EQ(store.pixel(0, 2), 1);
    EXPECT_EQ(setPixelCount(), 3);
}

TEST_F(PixelGridFixture, APressBeyondTheSpriteMovesTheCurrentCellButSetsNothing) {
    clear();
    clickCell(Qt::LeftButton, 8, 0);
    EXPECT_EQ(setPixelCount(), 0);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 8, 0));
    EXPECT_FALSE(hasFocusFrame(image, 0, 0));
    EXPECT_EQ(fillOf(image, 0, 0), QColor(Qt::white));
}

TEST_F(PixelGridFixture, APressOnTheLastPixelColumnOrRowChangesNothing) {
    clear();
    grid->setFocus();
    QCoreApplication::processEvents();
    const QImage before = picture();
    click(Qt::LeftButton, QPoint(576, 10));
    click(Qt::LeftButton, QPoint(10, 576));
    click(Qt::RightButton, QPoint(576, 576));
    EXPECT_EQ(setPixelCount(), 0);
    EXPECT_EQ(picture(), before);
}

TEST_F(PixelGridFixture, RightAndMiddlePressesLeaveTheCurrentCellWhereItWas) {
    clear();
    clickCell(Qt::LeftButton, 1, 1);
    clickCell(Qt::RightButton, 5, 5);
    clickCell(Qt::MiddleButton, 6, 6);
    EXPECT_EQ(store.pixel(6, 6), 0);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 1, 1));
    EXPECT_FALSE(hasFocusFrame(image, 5, 5));
    EXPECT_FALSE(hasFocusFrame(image, 6, 6));
}

TEST_F(PixelGridFixture, DraggingSetsOnlyTheFirstCellAndHighlightsTheCellsDraggedOver) {
    clear();
    store.setPixel(3, 1, 1);
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf(1, 1));
    QTest::mouseMove(grid, centreOf(2, 1));
    QTest::mouseMove(grid, centreOf(4, 2));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf(4, 2));

    EXPECT_EQ(store.pixel(1, 1), 1);
    EXPECT_EQ(store.pixel(3, 1), 1);
    EXPECT_EQ(setPixelCount(), 2);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 1, 1));
    EXPECT_EQ(fillOf(image, 2, 1), highlight());
    EXPECT_EQ(fillOf(image, 4, 2), highlight());
    EXPECT_EQ(fillOf(image, 3, 1), QColor(Qt::black));
    EXPECT_EQ(fillOf(image, 5, 2), QColor(Qt::white));
    EXPECT_EQ(fillOf(image, 0, 1), QColor(Qt::white));
}

TEST_F(PixelGridFixture, DraggingUpAndLeftHighlightsTheCellsBehindTheStart) {
    clear();
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf(5, 5));
    QTest::mouseMove(grid, centreOf(4, 4));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf(4, 4));
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 5, 5));
    EXPECT_EQ(fillOf(image, 4, 4), highlight());
    EXPECT_EQ(fillOf(image, 5, 4), highlight());
    EXPECT_EQ(fillOf(image, 4, 5), highlight());
    EXPECT_EQ(fillOf(image, 3, 4), QColor(Qt::white));
}

TEST_F(PixelGridFixture, ShiftPressStretchesTheSelectionFromTheCurrentCell) {
    clear();
    clickCell(Qt::LeftButton, 1, 1);
    clickCell(Qt::LeftButton, 3, 2, Qt::ShiftModifier);
    EXPECT_EQ(store.pixel(3, 2), 1);
    const QImage image = picture();
    EXPECT_TRUE(hasFocusFrame(image, 1, 1));
    EXPECT_FALSE(hasFocusFrame(image, 3, 2));
    EXPECT_EQ(fillOf(image, 2, 2), highlight());
    EXPECT_EQ(fillOf(image, 3, 1), highlight());
    EXPECT_EQ(fillOf(image, 4, 2), QColor(Qt::white));
}

// --- Colours ---

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
    recorder.settle();
    clickCell(Qt::RightButton, 5, 6);
    EXPECT_EQ(recorder.paintedAfterEvents(), QRegion(cellRect(5, 6)));
    clickCell(Qt::LeftButton, 5, 6);
    EXPECT_EQ(recorder.paintedAfterEvents(), QRegion(cellRect(5, 6)));
}

TEST_F(PixelGridFixture, ANewBackgroundColourRepaintsTheWholeGrid) {
    PaintRecorder recorder(grid);
    recorder.settle();
    grid->setBackgroundColour(Qt::white);
    EXPECT_TRUE(recorder.paintedAfterEvents().isEmpty());
    grid->setBackgroundColour(QColor(0, 128, 0));
    EXPECT_EQ(recorder.paintedAfterEvents(), QRegion(grid->rect()));
    EXPECT_EQ(grid->backgroundColour(), QColor(0, 128, 0));
    EXPECT_EQ(fillOf(picture(), 40, 40), QColor(0, 128, 0));
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

    // Every device pixel carries one of the grid's own colours: nothing is blended.
    const std::set<QRgb> own{
        QColor(Qt::blue).rgb(), QColor(Qt::red).rgb(),    kSilver.rgb(),
        highlight().rgb(),      QColor(Qt::yellow).rgb(), QColor(Qt::cyan).rgb()};
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y) | 0xff000000u);
    for (QRgb colour : seen)
        EXPECT_TRUE(own.count(colour)) << "blended colour " << std::hex << colour;

    // The line at x = 8 covers device columns 16 and 17 and no more.
    EXPECT_EQ(image.pixelColor(15, 8), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(16, 8), kSilver);
    EXPECT_EQ(image.pixelColor(17, 8), kSilver);
    EXPECT_EQ(image.pixelColor(18, 8), QColor(Qt::blue));
    // The set cell (1, 1) fills device pixels 18 ... 33.
    EXPECT_EQ(image.pixelColor(2 * 9 + 4, 2 * 9 + 4), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2 * 15 + 1, 2 * 12 + 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2 * 17, 2 * 16), kSilver);
}
