#include "PixelGrid.h"

#include <QPainter>

namespace vexilor {

PixelGrid::PixelGrid(SpriteStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setFocusPolicy(Qt::StrongFocus);
}

void PixelGrid::setBackgroundColour(const QColor& colour) {
    if (colour == background_)
        return;
    background_ = colour;
    update();
}

void PixelGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    (void)store_;
}

}  // namespace vexilor
