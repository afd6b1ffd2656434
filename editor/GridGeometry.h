#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

#include "SpriteStore.h"

// Where the pixel grid's cells and lines lie, in the grid's own pixels. Painting and the
// mouse both go through these functions, so a click always lands on the cell it shows.
namespace vexilor::grid {

inline constexpr int kCells = SpriteStore::kFieldSize;  // cells per row and per column
inline constexpr int kCellSide = 8;                     // a cell without its lines
inline constexpr int kPitch = kCellSide + 1;            // a cell with the line right of or below it
inline constexpr int kFieldSide = kCells * kPitch;      // 576: all cells with their lines
inline constexpr int kSide = kFieldSide + 1;            // 577: plus one strip of background

// The 8 x 8 pixels of a cell, without the lines around it.
inline QRect cellRect(int column, int row) {
    return QRect(column * kPitch, row * kPitch, kCellSide, kCellSide);
}

inline QRect cellRect(QPoint cell) {
    return cellRect(cell.x(), cell.y());
}

// The cell under a point. A point on the line right of or below a cell belongs to that
// cell; the strip at x = 576 or y = 576 and everything outside belong to none.
inline std::optional<QPoint> cellAt(QPoint point) {
    const bool onField =
        point.x() >= 0 && point.x() < kFieldSide && point.y() >= 0 && point.y() < kFieldSide;
    if (!onField)
        return std::nullopt;
    return QPoint(point.x() / kPitch, point.y() / kPitch);
}

// The pixels of a rectangle of cells, the lines between them included.
inline QRect cellsRect(const QRect& cells) {
    return cellRect(cells.topLeft()).united(cellRect(cells.bottomRight()));
}

// The cells that a rectangle of pixels touches, their lines counted with them.
inline QRect cellsTouching(const QRect& area) {
    const QRect field = area.intersected(QRect(0, 0, kFieldSide, kFieldSide));
    if (field.isEmpty())
        return QRect();
    return QRect(*cellAt(field.topLeft()), *cellAt(field.bottomRight()));
}

}  // namespace vexilor::grid
