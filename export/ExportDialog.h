#pragma once

#include <QByteArray>
#include <QDialog>
#include <functional>

#include "ExportChoices.h"

class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace vexilor {

// What the export dialog takes from the main window: the sprite as it is now, the name
// of the file last opened (without its folder; empty when none was), and the one place
// that shows a failure of a handler, such as a file that cannot be written.
struct ExportSource {
    std::function<const SpriteDocument&()> document;
    std::function<QString()> fileName;
    std::function<void(const std::function<void()>&)> runGuarded;
};

// "Экспорт": writes the sprite in one of the converter's forms, byte for byte what the
// converter writes for the same choices. It shows what it will write as the choices
// change; a choice that the form does not read is disabled, and what the converter
// refuses is shown with its reason while Save is disabled. The choices are the
// process-wide ExportChoices. It never blocks the window it belongs to and closes with it.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(ExportSource source, QWidget* owner);

    // Shows the choices again, and what would be written of the sprite as it is now.
    void refresh();
    // Asks for a file in the save dialog and writes the bytes there; nothing when the
    // dialog is cancelled. Throws Failure when the file cannot be written.
    void save();

    // The text shown of the file to be written, and the reason it cannot be (or empty).
    QString previewText() const;
    QString problemText() const;
    QFileDialog& SaveDialog();

private:
    void createControls();
    void showChoices();
    void takeChoices();
    void showPreview();

    ExportSource source_;
    QComboBox *form_ = nullptr, *order_ = nullptr, *mask_ = nullptr, *shifts_ = nullptr,
              *base_ = nullptr;
    QLineEdit* name_ = nullptr;
    QSpinBox *address_ = nullptr, *firstLine_ = nullptr;
    QLabel *nameLabel_ = nullptr, *problem_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QPushButton *saveButton_ = nullptr, *closeButton_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;  // a child, as the dialog's other controls
    // While the controls are being set from the choices, their signals change nothing.
    bool showing_ = false;
};

}  // namespace vexilor
