#include "X11Connection.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

namespace vexilor {

xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 but without a connection.
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace vexilor
