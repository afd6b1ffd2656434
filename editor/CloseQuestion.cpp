#include "CloseQuestion.h"

#include <QMessageBox>
#include <QPushButton>

#include "ScreenPlacement.h"

namespace vexilor {

namespace {

// Qt centres a message box on its parent window; this one stands in the middle of the
// whole screen wherever the main window is. It is placed when shown, once it has its
// size and before it is on the screen.
class CloseQuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        move(centredOnVirtualScreen(frameGeometry().size()));
    }
};

}  // namespace

bool askCloseQuestion(QWidget* parent) {
    CloseQuestionBox box(QMessageBox::Information, QStringLiteral("Information"),
                         QStringLiteral("Вы действительно ходите закрыть?"), QMessageBox::NoButton,
                         parent);
    box.setObjectName(QStringLiteral("CloseQuestion"));
    box.setWindowModality(Qt::ApplicationModal);
    // Own buttons, so their texts do not follow the desktop's language. Both take the
    // same role: the desktop's theme orders yes and no its own way (GNOME puts no
    // first), while buttons of one role keep the order they were added in.
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace vexilor
