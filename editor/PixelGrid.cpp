#include "PixelGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <cmath>

#include "EditorCommands.h"
#include "GridAccessible.h"
#include "GridGeometry.h"
#include "Palette.h"

namespace vexilor {

namespace {

const QColor kLineColour(192, 192, 192);

QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The dotted frame on the focused cell shows every other pixel of the cell's edge in the
// inverse of the cell's colour, so it stays visible whatever the cell shows.
void paintFocusFrame(QPainter& painter, const QRect& cell, const QColor& under) {
    const QColor dots(255 - under.red(), 255 - under.green(), 255 - under.blue());
    const int last = grid::kCellSide - 1;
    for (int step = 0; step < grid::kCellSide; step += 2) {
        const std::array<QPoint, 4> edgePixels{QPoint(step, 0), QPoint(step + 1, last),
                                               QPoint(0, step), QPoint(last, step + 1)};
        for (const QPoint& pixel : edgePixels)
            painter.fillRect(QRect(cell.topLeft() + pixel, QSize(1, 1)), dots);
    }
}

// The cell that a drag has reached, also beyond the field, where its shapes are cut off.
QPoint reachedCell(const QPointF& point) {
    return QPoint(int(std::floor(point.x() / grid::kPitch)),
                  int(std::floor(point.y() / grid::kPitch)));
}

// A transparent pixel keeps its own colour, crossed by diagonal stripes in the inverse of
// it, which stand out whatever the brush and the background are.
void paintTransparency(QPainter& painter, const QRect& cell, const QColor& under) {
    const QColor stripes(255 - under.red(), 255 - under.green(), 255 - under.blue());
    for (int x = 0; x < grid::kCellSide; ++x)
        for (int y = 0; y < grid::kCellSide; ++y)
            if ((x + y) % 4 == 1)
                painter.fillRect(QRect(cell.topLeft() + QPoint(x, y), QSize(1, 1)), stripes);
}

}  // namespace

struct PixelGrid::CellColours {
    QColor background;
    QColor highlight;
    QColor brush;
};

PixelGrid::PixelGrid(EditorCommands& commands, QWidget* parent)
    : QWidget(parent),
      commands_(commands),
      shownContent_(commands.shownContent()),
      shownBrush_(commands.brush()),
      background_(commands.controls().StringGrid1.colour),
      tools_(commands) {
    // Before anything that a screen reader hears of, which would give the grid the
    // accessibility of a plain widget for good.
    installGridAccessibility();
    setFixedSize(grid::kSide, grid::kSide);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted on each paint event, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEnabled(false);
    connect(&commands, &EditorCommands::controlsChanged, this, &PixelGrid::showColours);
    connect(&commands, &EditorCommands::documentChanged, this, &PixelGrid::showPixels);
    connect(&tools_, &DrawingTools::previewChanged, this, [this](const QRegion& cells) {
        for (const QRect& rect : cells)
            update(grid::cellsRect(rect));
    });
}

void PixelGrid::showColours() {
    const QColor& background = commands_.controls().StringGrid1.colour;
    if (background == background_ && commands_.brush() == shownBrush_ &&
        commands_.maskShown() == maskShown_) {
        return;
    }
    background_ = background;
    shownBrush_ = commands_.brush();
    maskShown_ = commands_.maskShown();
    update();
}

void PixelGrid::showPixels(const QRect& cells) {
    if (commands_.shownContent() == shownContent_)
        return;
    shownContent_ = commands_.shownContent();
    update(grid::cellsRect(cells));
    announcePixels(*this, cells);
}

void PixelGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The lines first: silver under the whole field, which the cells then cover but for
    // the line right of and below each of them.
    painter.fillRect(QRect(0, 0, grid::kFieldSide, grid::kFieldSide), kLineColour);

    // A disabled grid looks like an enabled one, so the colours come from the active group.
    const CellColours colours{background_, palette().color(QPalette::Active, QPalette::Highlight),
                              toQColor(rgbForPixel(commands_.brush()))};
    for (const QRect& area : event->region()) {
        const QRect cells = grid::cellsTouching(area);
        for (int row = cells.top(); row <= cells.bottom(); ++row)
            for (int column = cells.left(); column <= cells.right(); ++column)
                paintCell(painter, QPoint(column, row), colours);
    }

    painter.fillRect(QRect(grid::kFieldSide, 0, 1, grid::kSide), background_);
    painter.fillRect(QRect(0, grid::kFieldSide, grid::kSide, 1), background_);
}

void PixelGrid::paintCell(QPainter& painter, QPoint cell, const CellColours& colours) const {
    const bool focused = isFocusedCell(cell);
    QColor fill = colours.background;
    if (!focused && cursor_.selection().contains(cell))
        fill = colours.highlight;
    // A set pixel covers the highlight completely.
    if (tools_.shownPixel(cell) == 1)
        fill = colours.brush;

    const QRect rect = grid::cellRect(cell);
    painter.fillRect(rect, fill);
    if (maskShown_ && tools_.shownTransparent(cell))
        paintTransparency(painter, rect, fill);
    if (focused)
        paintFocusFrame(painter, rect, fill);
}

bool PixelGrid::isFocusedCell(QPoint cell) const {
    return cell == cursor_.current() && isEnabled() && window()->focusWidget() == this;
}

void PixelGrid::mousePressEvent(QMouseEvent* event) {
    takeFocus();
    const auto cell = grid::cellAt(event->position().toPoint());
    if (!cell)
        return;
    if (event->button() == Qt::LeftButton) {
        // With the other tools a drag draws instead.
        selecting_ = tools_.tool() == DrawingTool::Dot;
        if (event->modifiers().testFlag(Qt::ShiftModifier))
            changeCursor([&](GridCursor& cursor) { cursor.extendTo(*cell); });
        else
            changeCursor([&](GridCursor& cursor) { cursor.moveTo(*cell); });
    }
    tools_.press(*cell, event->button(), event->buttons());
}

void PixelGrid::mouseMoveEvent(QMouseEvent* event) {
    tools_.dragTo(reachedCell(event->position()));
    if (!selecting_ || !event->buttons().testFlag(Qt::LeftButton))
        return;
    if (const auto cell = grid::cellAt(event->position().toPoint()))
        changeCursor([&](GridCursor& cursor) { cursor.extendTo(*cell); });
}

void PixelGrid::mouseReleaseEvent(QMouseEvent* event) {
    tools_.release(reachedCell(event->position()), event->button());
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
}

void PixelGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && tools_.cancel())
        return;
    const auto target =
        navigationTarget(cursor_.current(), event->key(), event->modifiers(), grid::kCells);
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->modifiers().testFlag(Qt::ShiftModifier))
        changeCursor([&](GridCursor& cursor) { cursor.moveKeepingAnchor(*target); });
    else
        changeCursor([&](GridCursor& cursor) { cursor.moveTo(*target); });
}

// The current cell trades its highlight for the focus frame and back.
void PixelGrid::focusInEvent(QFocusEvent* event) {
    update(grid::cellRect(cursor_.current()));
    QWidget::focusInEvent(event);
    announceCurrentCell(*this);
}

void PixelGrid::focusOutEvent(QFocusEvent* event) {
    update(grid::cellRect(cursor_.current()));
    QWidget::focusOutEvent(event);
}

// setFocus in an inactive window only marks the grid as the window's focused control,
// without a focus event; the current cell must show its frame all the same.
void PixelGrid::takeFocus() {
    if (window()->focusWidget() == this)
        return;
    setFocus(Qt::MouseFocusReason);
    update(grid::cellRect(cursor_.current()));
}

template <typename Change>
void PixelGrid::changeCursor(Change change) {
    const GridCursor before = cursor_;
    change(cursor_);
    if (cursor_ == before)
        return;
    if (cursor_.current() != before.current())
        announceCurrentCell(*this);
    QRegion dirty(grid::cellsRect(before.selection()));
    dirty += grid::cellsRect(cursor_.selection());
    update(dirty);
}

}  // namespace vexilor
