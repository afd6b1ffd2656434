#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

namespace vexilor {

class PixelGrid;
class EditorCommands;

// The pixel grid as screen readers see it: a table of 64 rows and 64 columns, as it is
// drawn. Each cell is named after the 8 x 8 cell of the listing it lies in and its place
// there ("B1, столбец 3, строка 5"), is checked while its pixel is set, and is the
// focused cell while it is current and the grid has the focus.
//
// The grid calls these functions; they do nothing until a screen reader has asked for the
// grid's table.

// Lets Qt's accessibility find the grid's table; runs once however often it is called.
void installGridAccessibility();

// Tells the screen reader which cell is current once the cursor moved or the grid took
// the focus.
void announceCurrentCell(PixelGrid& grid);

// Tells the screen reader which cells among `cells` set or cleared their pixel since it
// last heard of them.
void announcePixels(PixelGrid& grid, const QRect& cells);

// The name of the cell at `cell` (column, row from 0), e.g. "A1, столбец 1, строка 1".
QString cellName(QPoint cell);

// What a screen reader says of the pixel besides whether it is set: "прозрачный" where
// the shown frame's mask lets the background through.
QString pixelDescription(const EditorCommands& commands, QPoint cell);

}  // namespace vexilor
