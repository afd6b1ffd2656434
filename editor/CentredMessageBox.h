#pragma once

#include <QMessageBox>

#include "FramePlacement.h"
#include "ScreenPlacement.h"

namespace vexilor {

// Qt centres a message box on its parent window; the program's message boxes stand in
// the middle of the whole screen, by their outer size, wherever the main window is. A
// box is placed as it is shown, once it has its size and before it is on the screen.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        placeByOuterSize(*this, centredOnVirtualScreen);
    }
};

}  // namespace vexilor
