#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

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
