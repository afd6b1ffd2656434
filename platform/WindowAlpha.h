#pragma once

#include <chrono>

class QWidget;

// What the desktop does to the opacity of whole windows, for the splash window's fades.
// Where the window system cannot make windows translucent, the window simply stays
// opaque.
namespace vexilor {

// Makes a top-level window translucent with a constant alpha: 0 invisible, 255 opaque.
void setWindowAlpha(QWidget& window, unsigned char alpha);

// Makes the window an ordinary opaque window again and has it redrawn whole.
void clearWindowAlpha(QWidget& window);

// Fades a visible window from its current look to nothing over `duration` and hides
// it, holding the thread meanwhile: no event (tick, click, paint) is handled until it
// returns. The window keeps its alpha for the next showing. A hidden window is left
// as it is, at once. Without window alpha the window is hidden at once: a second of a
// still picture would look like a program that hangs.
void fadeOutAndHide(QWidget& window, std::chrono::milliseconds duration);

}  // namespace vexilor
