#include "DiscardQuestion.h"

#include <QCoreApplication>
#include <QPushButton>

#include "CentredMessageBox.h"
#include "ErrorBox.h"

namespace vexilor {

bool askToDiscardWork(QWidget* parent) {
    CentredMessageBox box(QMessageBox::Warning,
                          applicationTitle(QCoreApplication::applicationFilePath()),
                          QStringLiteral("Спрайт не сохранён. Начать новый и потерять его?"),
                          QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("DiscardQuestion"));
    box.setWindowModality(Qt::ApplicationModal);
    // Own buttons in one role, so that their texts and order are the same everywhere.
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::ActionRole);
    // Enter, pressed by habit, keeps the work.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace vexilor
