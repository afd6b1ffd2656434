#include "ListingSaver.h"

#include <QFileDialog>

#include "DialogPlacement.h"
#include "ListingFile.h"

namespace vexilor {

ListingSaver::ListingSaver(QWidget* window)
    : window_(window),
      dialog_(new QFileDialog(window)),
      runDialog_([this](QFileDialog& dialog) { return runPlacedDialog(dialog, window_); }) {
    dialog_->setObjectName(QStringLiteral("SaveDialog1"));
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog on every desktop, so that it is placed and sized the same way.
    dialog_->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails |
                        QFileDialog::DontUseNativeDialog);
    dialog_->setNameFilter(QStringLiteral("Текстовый файл (*.txt)"));
    dialog_->setSizeGripEnabled(true);
}

ListingSaver::~ListingSaver() {
    delete dialog_.data();
}

bool ListingSaver::save(const QStringList& listingLines) {
    QFileDialog& dialog = *dialog_;
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // Offer the path chosen last again; cancelling never changes it.
    dialog.selectFile(lastPath_);
    if (!runDialog_(dialog))
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return false;
    lastPath_ = chosen.front();
    writeFileSafely(lastPath_, listingFileBytes(listingLines));
    return true;
}

}  // namespace vexilor
