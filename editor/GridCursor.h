#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <optional>

namespace vexilor {

// The grid's cell cursor: the current cell and the anchor cell, which together span the
// rectangular selection. It only marks cells; it never changes a pixel.
class GridCursor {
public:
    QPoint current() const { return current_; }
    // The selected cells, corners included.
    QRect selection() const;

    // Makes the cell current and the whole selection.
    void moveTo(QPoint cell) { current_ = anchor_ = cell; }
    // Stretches the selection to the cell; the current cell stays where it is.
    void extendTo(QPoint cell) { anchor_ = cell; }
    // Moves the current cell and keeps the anchor, so the selection follows the move.
    void moveKeepingAnchor(QPoint cell) { current_ = cell; }

    friend bool operator==(const GridCursor&, const GridCursor&) = default;

private:
    QPoint current_{0, 0};
    QPoint anchor_{0, 0};
};

// Where a navigation key takes the current cell of a grid of `cells` x `cells`; nothing
// for keys that do not navigate. Shift does not change the target, only what is selected.
std::optional<QPoint> navigationTarget(QPoint from, int key, Qt::KeyboardModifiers modifiers,
                                       int cells);

}  // namespace vexilor
