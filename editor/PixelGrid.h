#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

#include "DrawingTools.h"
#include "GridCursor.h"
#include "Palette.h"
#include "SpriteDocument.h"
#include "SpriteStore.h"

class QRect;

namespace vexilor {

class EditorCommands;

// The magnified picture of the editor's whole 64 x 64 pixel field: 8 x 8-pixel cells
// behind silver lines, set pixels in the brush's fill colour and clear ones in the grid's
// background colour. The left button sets and the right button clears pixels with the
// chosen drawing tool, through the editor's commands, which take them inside the sprite's
// width and height only; a drag's shape shows before it is painted. The grid also keeps
// a current cell and a selection, which the mouse and the navigation keys move but which
// never change a pixel.
//
// The grid shows the frame the commands show and follows their signals: a change of the
// document repaints the cells it touched (all of them for another frame), a change of
// the colours the whole grid. It starts disabled; while disabled it
// takes no input but looks the same.
class PixelGrid : public QWidget {
    Q_OBJECT

public:
    explicit PixelGrid(EditorCommands& commands, QWidget* parent = nullptr);

    DrawingTools& tools() { return tools_; }
    const EditorCommands& commands() const { return commands_; }
    const GridCursor& cursor() const { return cursor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct CellColours;

    // Repaints the whole grid when the brush or the background changed.
    void showColours();
    // Repaints `cells` once the shown frame's pixels differ from what the grid last showed
    // (another frame shown, an edit, an undone edit).
    void showPixels(const QRect& cells);
    void paintCell(QPainter& painter, QPoint cell, const CellColours& colours) const;
    // The cell that shows the focus frame: the current cell while the grid is the
    // window's focused control, none otherwise.
    bool isFocusedCell(QPoint cell) const;
    void takeFocus();
    // Applies a change to the cursor and repaints the cells whose look it changed.
    template <typename Change>
    void changeCursor(Change change);

    EditorCommands& commands_;
    // What the picture on the screen shows, or is about to show once painted.
    SpriteFrame shownContent_;
    Colour shownBrush_;
    bool maskShown_ = false;
    QColor background_;
    GridCursor cursor_;
    bool selecting_ = false;  // the left button went down on a cell and is still held
    DrawingTools tools_;
};

}  // namespace vexilor
