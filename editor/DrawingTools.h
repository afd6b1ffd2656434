#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include "PixelShapes.h"
#include "SpriteStore.h"

namespace vexilor {

class EditorCommands;

enum class DrawingTool { Dot, Pen, Line, Rectangle, FilledRectangle, Fill };

// What the mouse does on the grid with the chosen tool. The left button paints with the
// brush (sets), the right one with the background (clears). A dot and a fill change the
// pixels at the press; the pen and the shapes follow a drag, shown over the sprite as a
// preview that leaves the pixels alone until the release makes the whole drag one step of
// the history. Escape ends a drag without any change. Cells are the grid's; those beyond
// the field are allowed for a drag, whose shapes are then cut off.
class DrawingTools : public QObject {
    Q_OBJECT
public:
    explicit DrawingTools(EditorCommands& commands, QObject* parent = nullptr);

    DrawingTool tool() const { return tool_; }
    // A drag still running is cancelled.
    void choose(DrawingTool tool);

    // `held` are the buttons down after the press: a press of another button during a
    // drag is ignored, while a drag whose button is no longer down is given up for the new.
    void press(QPoint cell, Qt::MouseButton button, Qt::MouseButtons held);
    void dragTo(QPoint cell);
    void release(QPoint cell, Qt::MouseButton button);
    // Ends a drag leaving the pixels as they were; false when no drag was running.
    bool cancel();

    // The pixel as the grid shows it: where the drag's shape lies, the value it paints.
    int shownPixel(QPoint cell) const;
    // Whether the pixel shows as transparent: where a drag on the mask lies, as it paints.
    bool shownTransparent(QPoint cell) const;

signals:
    // The preview changed in `cells`, a region of the grid's cells (one cell a unit square).
    void previewChanged(const QRegion& cells);

private:
    // The shape of the drag from its start to `cell`.
    void reshape(QPoint cell);
    void endDrag();
    void showChange(const PixelField& changed);

    EditorCommands& commands_;
    DrawingTool tool_ = DrawingTool::Dot;
    bool dragging_ = false;
    Qt::MouseButton button_ = Qt::NoButton;
    int value_ = 0;
    QPoint start_, last_;
    PixelField shape_;
    QRect shapeCells_;  // around the shape, for the repaint once it is painted
};

}  // namespace vexilor
