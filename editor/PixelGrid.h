#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

#include "GridCursor.h"
#include "SpriteStore.h"

class QRect;

namespace vexilor {

class EditorCommands;

// The magnified picture of the editor's whole 64 x 64 pixel field: 8 x 8-pixel cells
// behind silver lines, set pixels in the brush's fill colour and clear ones in the grid's
// background colour. The left button sets and the right button clears a pixel, through
// the editor's commands, which take it inside the sprite's width and height only. The
// grid also keeps a current cell and a selection, which the mouse and the navigation keys
// move but which never change a pixel.
//
// The grid follows the commands' signals: a change of pixels repaints the cells it
// touched, a change of the colours the whole grid. It starts disabled; while disabled it
// takes no input but looks the same.
class PixelGrid : public QWidget {
    Q_OBJECT

public:
    explicit PixelGrid(EditorCommands& commands, QWidget* parent = nullptr);

    const SpriteStore& store() const { return store_; }
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
    // Repaints `cells` once the store's pixels changed since the grid last showed them.
    void showPixels(const QRect& cells);
    void paintCell(QPainter& painter, QPoint cell, const CellColours& colours) const;
    // The cell that shows the focus frame: the current cell while the grid is the
    // window's focused control, none otherwise.
    bool isFocusedCell(QPoint cell) const;
    void takeFocus();
    void paintPixel(QPoint cell, Qt::MouseButton button);
    // Applies a change to the cursor and repaints the cells whose look it changed.
    template <typename Change>
    void changeCursor(Change change);

    EditorCommands& commands_;
    const SpriteStore& store_;
    // What the picture on the screen shows, or is about to show once painted.
    std::uint64_t shownRevision_;
    ColourName shownBrush_;
    QColor background_;
    GridCursor cursor_;
    bool selecting_ = false;  // the left button went down on a cell and is still held
};

}  // namespace vexilor
