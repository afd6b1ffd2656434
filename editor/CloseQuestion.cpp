#include "CloseQuestion.h"

#include <QPushButton>

#include "CentredMessageBox.h"

namespace vexilor {

bool askCloseQuestion(QWidget* parent) {
    CentredMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
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
