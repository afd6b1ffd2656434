#include "WindowAlpha.h"

#include <algorithm>
#include <thread>

#include <QGuiApplication>
#include <QWidget>

#include "X11Connection.h"

namespace vexilor {
namespace {

// Qt only queues an opacity change for the window system; on X11 it reaches the server
// (and the compositor that reads the window's opacity property) when the connection is
// flushed. Without this, a window that changes opacity without painting keeps its first
// opacity. QGuiApplication::sync() would flush too, but it handles pending events
// first, which a tick or the fade-out must not do; a bare flush sends and handles
// nothing else.
void pushToWindowSystem(const QWidget& window) {
    if (window.windowHandle() == nullptr)
        return;
    if (xcb_connection_t* connection = x11Connection())
        xcb_flush(connection);
}

// Whether the window system gives a top-level window a constant alpha. X11 does (seen
// where a compositor runs); Wayland and offscreen refuse, with a warning at every call,
// so there the alpha is never asked for.
bool windowAlphaAvailable() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace

void setWindowAlpha(QWidget& window, unsigned char alpha) {
    if (!windowAlphaAvailable())
        return;
    window.setWindowOpacity(alpha / 255.0);
    pushToWindowSystem(window);
}

void clearWindowAlpha(QWidget& window) {
    if (!windowAlphaAvailable())
        return;
    window.setWindowOpacity(1.0);
    window.update();
    pushToWindowSystem(window);
}

void fadeOutAndHide(QWidget& window, std::chrono::milliseconds duration) {
    using Clock = std::chrono::steady_clock;
    if (!window.isVisible())
        return;
    if (!windowAlphaAvailable()) {
        window.hide();
        return;
    }
    const qreal startOpacity = window.windowOpacity();
    const auto start = Clock::now();
    const auto end = start + duration;
    const auto frame = std::chrono::milliseconds(16);
    // Sleeping rather than running an event loop is the point: ticks and clicks wait
    // until the window is gone, as they do during the desktop's own blended hide.
    for (auto now = start; now < end; now = Clock::now()) {
        const double left = std::chrono::duration<double>(end - now) / duration;
        window.setWindowOpacity(startOpacity * left);
        pushToWindowSystem(window);
        std::this_thread::sleep_for(std::min<Clock::duration>(frame, end - now));
    }
    window.hide();
    window.setWindowOpacity(startOpacity);
    pushToWindowSystem(window);
}

}  // namespace vexilor
