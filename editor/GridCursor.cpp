#include "GridCursor.h"

#include <algorithm>

namespace vexilor {

// Built from the corners' least and greatest coordinates: QRect::normalized() would leave
// a rectangle one cell wide the wrong way round.
QRect GridCursor::selection() const {
    return QRect(QPoint(std::min(current_.x(), anchor_.x()), std::min(current_.y(), anchor_.y())),
                 QPoint(std::max(current_.x(), anchor_.x()), std::max(current_.y(), anchor_.y())));
}

std::optional<QPoint> navigationTarget(QPoint from, int key, Qt::KeyboardModifiers modifiers,
                                       int cells) {
    const int last = cells - 1;
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    QPoint to = from;
    switch (key) {
        case Qt::Key_Left:
            to.rx() -= 1;
            break;
        case Qt::Key_Right:
            to.rx() += 1;
            break;
        case Qt::Key_Up:
            to.ry() -= 1;
            break;
        case Qt::Key_Down:
            to.ry() += 1;
            break;
        case Qt::Key_Home:
            to = control ? QPoint(0, 0) : QPoint(0, from.y());
            break;
        case Qt::Key_End:
            to = control ? QPoint(last, last) : QPoint(last, from.y());
            break;
        case Qt::Key_PageUp:
            to.ry() = 0;
            break;
        case Qt::Key_PageDown:
            to.ry() = last;
            break;
        default:
            return std::nullopt;
    }
    return QPoint(std::clamp(to.x(), 0, last), std::clamp(to.y(), 0, last));
}

}  // namespace vexilor
