#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace vexilor {

// The size of the whole virtual screen (all monitors together).
QSize virtualScreenSize();

// Where a window of `outerSize` goes to stand in the middle of the virtual screen:
// halves truncated toward zero, never above or left of the screen's origin. The main
// window and the splash window are both placed by this one rule.
QPoint centredOnVirtualScreen(QSize outerSize);

// Marks the window visible (no change if it already is) and brings it to the front.
void bringToFront(QWidget& window);

}  // namespace vexilor
