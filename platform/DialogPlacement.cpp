#include "DialogPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "FramePlacement.h"

namespace vexilor {

QPoint dialogPosition(const QRect& monitor, const QSize& dialog) {
    return {monitor.left() + (monitor.width() - dialog.width()) / 2,
            monitor.top() + (monitor.height() - dialog.height()) / 3};
}

void placeDialog(QWidget& dialog, QWidget* mainWindow) {
    QWidget* reference = QApplication::activeWindow();
    if (reference == nullptr || reference == &dialog)
        reference = mainWindow;
    QScreen* screen = reference != nullptr ? reference->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    // Moving the dialog marks it as placed, so showing it does not centre it over its parent.
    const QRect monitor = screen->geometry();
    placeByOuterSize(dialog, [monitor](QSize outer) { return dialogPosition(monitor, outer); });
}

bool runPlacedDialog(QDialog& dialog, QWidget* mainWindow) {
    dialog.setWindowModality(Qt::ApplicationModal);
    placeDialog(dialog, mainWindow);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vexilor
