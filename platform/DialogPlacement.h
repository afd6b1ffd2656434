#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace vexilor {

// Where a file or printer dialog of the outer size `dialog` (the window manager's frame
// included) goes on `monitor`: centred horizontally, with one third of the free height
// above it and two thirds below, in whole pixels with each division rounded toward zero.
QPoint dialogPosition(const QRect& monitor, const QSize& dialog);

// Sizes `dialog` if it has no size yet and moves its outer rectangle to dialogPosition()
// on the monitor of the program's active window, or of `mainWindow` when none of the
// program's windows is active. Call it just before the dialog is shown.
void placeDialog(QWidget& dialog, QWidget* mainWindow);

// Runs `dialog` modally to the whole program, placed by placeDialog(), and says whether
// the user confirmed it. The window that was active gets the focus back afterwards.
bool runPlacedDialog(QDialog& dialog, QWidget* mainWindow);

}  // namespace vexilor
