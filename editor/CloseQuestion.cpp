#include "CloseQuestion.h"

#include <QMessageBox>
#include <QPushButton>

namespace vexilor {

bool askCloseQuestion(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QStringLiteral("Вы действительно ходите закрыть?"), QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("CloseQuestion"));
    box.setWindowModality(Qt::ApplicationModal);
    // Own buttons, so their texts do not follow the desktop's language.
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace vexilor
