#include "EditableDropDown.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vexilor {

EditableDropDown::EditableDropDown(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is done here, by the rule above, rather than by a QCompleter.
    setCompleter(nullptr);
    connect(this, &QComboBox::textActivated, this, &EditableDropDown::report);
    // Pasting, cutting, Delete: every edit that no key handler below takes care of.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!insideKeyPress_)
            report(text);
    });
}

void EditableDropDown::setTextQuietly(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
    chosenEntry_ = -1;
}

void EditableDropDown::keyPressEvent(QKeyEvent* event) {
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter would otherwise pick the matching entry a second time.
            event->ignore();
            return;
        case Qt::Key_Backspace:
            // Runs the command even when there was nothing to delete.
            insideKeyPress_ = true;
            QComboBox::keyPressEvent(event);
            insideKeyPress_ = false;
            report(currentText());
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.front().isPrint() && !(event->modifiers() & commandModifiers)) {
        typeCharacter(text);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void EditableDropDown::typeCharacter(const QString& character) {
    QLineEdit* edit = lineEdit();
    QString text = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    text.replace(start, edit->hasSelectedText() ? edit->selectedText().size() : 0, character);
    const int cursor = start + int(character.size());

    const int entry = cursor == text.size() ? firstEntryStartingWith(text) : -1;
    if (entry >= 0) {
        const QString full = itemText(entry);
        setCurrentIndex(entry);
        edit->setText(full);
        edit->setSelection(cursor, int(full.size()) - cursor);
        if (entry != chosenEntry_)
            report(full);
        return;
    }
    edit->setText(text);
    edit->setCursorPosition(cursor);
    report(text);
}

int EditableDropDown::firstEntryStartingWith(const QString& prefix) const {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

void EditableDropDown::report(const QString& text) {
    chosenEntry_ = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    emit textChangedByUser(text);
}

}  // namespace vexilor
