#include "DrawingTools.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "EditorCommands.h"

namespace vexilor {

namespace {

const QRect kField(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize);

PixelPosition position(QPoint cell) {
    return {cell.x(), cell.y()};
}

// The cells between two corners, both included, whichever way round they are.
QRect spanned(QPoint corner, QPoint opposite) {
    return QRect(QPoint(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y())),
                 QPoint(std::max(corner.x(), opposite.x()), std::max(corner.y(), opposite.y())));
}

}  // namespace

DrawingTools::DrawingTools(EditorCommands& commands, QObject* parent)
    : QObject(parent), commands_(commands) {}

int DrawingTools::shownPixel(QPoint cell) const {
    const std::size_t index = SpriteStore::pixelIndex(cell.x(), cell.y());
    if (dragging_ && shape_[index] && !commands_.maskPainted())
        return value_;
    return commands_.shownPixels()[index] ? 1 : 0;
}

bool DrawingTools::shownTransparent(QPoint cell) const {
    const std::size_t index = SpriteStore::pixelIndex(cell.x(), cell.y());
    if (dragging_ && shape_[index] && commands_.maskPainted())
        return value_ == 0;
    const std::optional<PixelField>& mask = commands_.shownContent().mask;
    return mask && (*mask)[index];
}

void DrawingTools::choose(DrawingTool tool) {
    cancel();
    tool_ = tool;
}

void DrawingTools::press(QPoint cell, Qt::MouseButton button, Qt::MouseButtons held) {
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    if (dragging_) {
        if (held.testFlag(button_))
            return;
        // The release went elsewhere (the window lost the mouse meanwhile).
        cancel();
    }
    const int value = button == Qt::LeftButton ? 1 : 0;
    if (tool_ == DrawingTool::Dot) {
        commands_.paintPixel(cell, value);
        return;
    }
    if (tool_ == DrawingTool::Fill) {
        const PixelField area =
            connectedPixels(commands_.paintedLayer(), position(cell), commands_.document().width(),
                            commands_.document().height());
        commands_.paintPixels(area, value, kField);
        return;
    }
    dragging_ = true;
    button_ = button;
    value_ = value;
    start_ = last_ = cell;
    reshape(cell);
}

void DrawingTools::dragTo(QPoint cell) {
    if (dragging_ && cell != last_)
        reshape(cell);
}

void DrawingTools::release(QPoint cell, Qt::MouseButton button) {
    if (!dragging_ || button != button_)
        return;
    dragTo(cell);
    const PixelField shape = shape_;
    const QRect cells = shapeCells_ & kField;
    endDrag();
    commands_.paintPixels(shape, value_, cells);
}

bool DrawingTools::cancel() {
    if (!dragging_)
        return false;
    endDrag();
    return true;
}

void DrawingTools::reshape(QPoint cell) {
    // A stroke adds the line from its last position, so that a fast one has no gaps; the
    // other tools draw their shape from the start anew.
    const bool stroke = tool_ == DrawingTool::Pen;
    const PixelPosition from = position(stroke ? last_ : start_), to = position(cell);
    const int width = commands_.document().width(), height = commands_.document().height();
    PixelField shape;
    switch (tool_) {
        case DrawingTool::Pen:
        case DrawingTool::Line:
            shape = linePixels(from, to, width, height);
            break;
        case DrawingTool::Rectangle:
            shape = rectangleOutline(from, to, width, height);
            break;
        case DrawingTool::FilledRectangle:
            shape = filledRectangle(from, to, width, height);
            break;
        case DrawingTool::Dot:
        case DrawingTool::Fill:
            break;
    }
    const QRect cells = spanned(stroke ? last_ : start_, cell);
    if (stroke) {
        shape |= shape_;
        shapeCells_ |= cells;
    } else {
        shapeCells_ = cells;
    }
    last_ = cell;
    showChange(std::exchange(shape_, shape) ^ shape);
}

void DrawingTools::endDrag() {
    dragging_ = false;
    shapeCells_ = QRect();
    showChange(std::exchange(shape_, PixelField()));
}

// Only the cells that the preview turned on or off are repainted: a line swung across the
// grid covers a few dozen cells, where the rectangle around it would hold nearly all.
void DrawingTools::showChange(const PixelField& changed) {
    if (changed.none())
        return;
    std::vector<QRect> runs;  // row by row, left to right, as QRegion takes them at once
    for (int row = 0; row < SpriteStore::kFieldSize; ++row) {
        for (int column = 0; column < SpriteStore::kFieldSize; ++column) {
            if (!changed[SpriteStore::pixelIndex(column, row)])
                continue;
            const int first = column;
            while (column + 1 < SpriteStore::kFieldSize &&
                   changed[SpriteStore::pixelIndex(column + 1, row)])
                ++column;
            runs.emplace_back(first, row, column - first + 1, 1);
        }
    }
    QRegion cells;
    cells.setRects(runs.data(), int(runs.size()));
    emit previewChanged(cells);
}

}  // namespace vexilor
