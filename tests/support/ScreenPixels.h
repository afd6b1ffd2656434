#pragma once

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

#include <xcb/xcb.h>

// What the X server shows of a widget, read back from the screen once the pending
// events (the paints among them) have been handled. QWidget::grab() would paint the
// widget anew from its current state and so could never see a stale picture.
inline QImage onScreen(QWidget& widget) {
    QCoreApplication::processEvents();
    QWidget* window = widget.window();
    const QPoint at = widget.mapTo(window, QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget.width(), widget.height())
        .toImage();
}

// A window's outer rectangle as the X server holds it: the frame that the window manager
// put the window in, or the window itself on a bare server.
inline QRect outerRectOnScreen(const QWidget& window) {
    QCoreApplication::processEvents();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto own = xcb_window_t(window.winId());
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x11, xcb_query_tree(x11, own), nullptr);
    const xcb_window_t outer = tree->parent == tree->root ? own : tree->parent;
    std::free(tree);
    auto* shape = xcb_get_geometry_reply(x11, xcb_get_geometry(x11, outer), nullptr);
    const QRect rect(shape->x, shape->y, shape->width, shape->height);
    std::free(shape);
    return rect;
}
