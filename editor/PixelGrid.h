#pragma once

#include <QColor>
#include <QWidget>

#include "SpriteStore.h"

namespace vexilor {

// The magnified 64 x 64 picture of the sprite store that the user paints on.
class PixelGrid : public QWidget {
public:
    explicit PixelGrid(SpriteStore& store, QWidget* parent = nullptr);

    // Repaints the whole grid when the colour changes.
    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SpriteStore& store_;
    QColor background_ = Qt::white;
};

}  // namespace vexilor
