#include "DrawingTools.h"

#include <algorithm>
#include <utility>

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
    : QObject(parent), commands_(commands), store_(commands.store()) {}

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
            connectedPixels(store_.field(), position(cell), store_.width(), store_.height());
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
    const int width = store_.width(), height = store_.height();
    // Where the shown shape may differ: the new segment of a stroke, or the old and the
    // new shape.
    QRect changed = shapeCells_;
    switch (tool_) {
        case DrawingTool::Pen:
            // Each move adds the line from the last position, so a fast stroke has no gaps.
            shape_ |= linePixels(position(last_), position(cell), width, height);
            changed = spanned(last_, cell);
            shapeCells_ |= changed;
            break;
        case DrawingTool::Line:
            shape_ = linePixels(position(start_), position(cell), width, height);
            break;
        case DrawingTool::Rectangle:
            shape_ = rectangleOutline(position(start_), position(cell), width, height);
            break;
        case DrawingTool::FilledRectangle:
            shape_ = filledRectangle(position(start_), position(cell), width, height);
            break;
        case DrawingTool::Dot:
        case DrawingTool::Fill:
            break;
    }
    if (tool_ != DrawingTool::Pen) {
        shapeCells_ = spanned(start_, cell);
        changed |= shapeCells_;
    }
    last_ = cell;
    changed &= kField;
    if (!changed.isEmpty())
        emit previewChanged(changed);
}

void DrawingTools::endDrag() {
    dragging_ = false;
    shape_.reset();
    const QRect shown = std::exchange(shapeCells_, QRect()) & kField;
    if (!shown.isEmpty())
        emit previewChanged(shown);
}

}  // namespace vexilor
