#pragma once

#include <QLabel>

namespace vexilor {

// A label that shows a picture at its own size from the top left corner and reports a
// click: the left button pressed on it and released inside it.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};

}  // namespace vexilor
