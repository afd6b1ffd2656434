#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vexilor {

QSize virtualScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualSize() : QSize();
}

QPoint centredOnVirtualScreen(QSize outerSize) {
    const QSize screen = virtualScreenSize();
    // Integer division in C++ truncates toward zero, as the placement rule wants.
    const int left = (screen.width() - outerSize.width()) / 2;
    const int top = (screen.height() - outerSize.height()) / 2;
    return QPoint(std::max(left, 0), std::max(top, 0));
}

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace vexilor
