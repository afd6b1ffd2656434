#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

#include "GridCursor.h"
#include "SpriteStore.h"

namespace vexilor {

// The magnified picture of a sprite store's whole 64 x 64 pixel field: 8 x 8-pixel cells
// behind silver lines, set pixels in the brush's fill colour and clear ones in the grid's
// background colour. The left button sets and the right button clears a pixel inside the
// sprite's width and height. The grid also keeps a current cell and a selection, which
// the mouse and the navigation keys move but which never change a pixel.
//
// The grid starts disabled; while disabled it takes no input but looks the same.
class PixelGrid : public QWidget {
    Q_OBJECT

public:
    explicit PixelGrid(SpriteStore& store, QWidget* parent = nullptr);

    // Repaints the whole grid when the colour changes.
    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const { return background_; }

    // Brings the picture in line with the store after a command: repaints the whole grid
    // if the store's pixels or brush colour changed since the grid last showed them,
    // whoever changed them. Clicks on the grid repaint their own cell.
    void showStore();

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

    void paintCell(QPainter& painter, QPoint cell, const CellColours& colours) const;
    // The cell that shows the focus frame: the current cell while the grid is the
    // window's focused control, none otherwise.
    bool isFocusedCell(QPoint cell) const;
    void takeFocus();
    void paintPixel(QPoint cell, Qt::MouseButton button);
    // Applies a change to the cursor and repaints the cells whose look it changed.
    template <typename Change>
    void changeCursor(Change change);

    SpriteStore& store_;
    // What the picture on the screen shows, or is about to show once painted.
    std::uint64_t shownRevision_;
    ColourName shownBrush_;
    QColor background_{Qt::white};
    GridCursor cursor_;
    bool selecting_ = false;  // the left button went down on a cell and is still held
};

}  // namespace vexilor
