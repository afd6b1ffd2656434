#include "ConvertQuestion.h"

#include <QCoreApplication>
#include <QPushButton>

#include "CentredMessageBox.h"
#include "EditorCommands.h"
#include "ErrorBox.h"

namespace vexilor {

bool bringListingUpToDate(QWidget* parent, EditorCommands& commands, ListingUse use) {
    if (!commands.listingIsOutOfDate())
        return true;
    CentredMessageBox box(QMessageBox::Question,
                          applicationTitle(QCoreApplication::applicationFilePath()),
                          QStringLiteral("Спрайт изменился после перевода, и листинг его не "
                                         "показывает. Перевести спрайт заново?"),
                          QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ConvertQuestion"));
    box.setWindowModality(Qt::ApplicationModal);
    // Buttons of one role keep the order they were added in on every desktop.
    QPushButton* again = box.addButton(QStringLiteral("Перевести заново"), QMessageBox::ActionRole);
    QPushButton* asItIs =
        box.addButton(use == ListingUse::Save ? QStringLiteral("Сохранить как есть")
                                              : QStringLiteral("Печатать как есть"),
                      QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::ActionRole);
    box.setDefaultButton(again);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == again)
        commands.convertAgain();
    return box.clickedButton() == again || box.clickedButton() == asItIs;
}

}  // namespace vexilor
