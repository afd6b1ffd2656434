#include "EditableDropDown.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace vexilor {

namespace {

bool isEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// The keys that close the dropped-down list or move on to the next control.
bool closesOrLeavesTheList(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            return event.modifiers() & Qt::AltModifier;
        default:
            return false;
    }
}

}  // namespace

EditableDropDown::EditableDropDown(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is done here, by the rule above, rather than by a QCompleter.
    setCompleter(nullptr);
    // Qt's boxes take the focus from the wheel too, and with it the wheel's steps.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::textActivated, this, &EditableDropDown::report);
    // Pasting, cutting, Delete: every edit that no key handler below takes care of.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!insideKeyPress_)
            report(text);
    });
    // When the editing ends (leaving the box, dropping its list down) Qt would pick the
    // entry that the text names and report it as the user's pick, a second time.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // While the list is dropped down Qt hands the keys to it, where they would only move
    // the highlight or search. This filter, installed after Qt's own and so asked first,
    // hands them back to the box.
    view()->installEventFilter(this);
}

void EditableDropDown::setTextQuietly(const QString& text) {
    setCurrentIndex(-1);
    setEditText(text);
    chosenEntry_ = -1;
}

void EditableDropDown::showPopup() {
    QComboBox::showPopup();
    highlightChosenEntry();
}

bool EditableDropDown::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != view() || !keyEvent)
        return QComboBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(*key)) {
        // Qt would pick the entry already on the check for shortcuts that comes first.
        if (event->type() == QEvent::KeyPress)
            takeHighlightedEntry();
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress || closesOrLeavesTheList(*key))
        return QComboBox::eventFilter(watched, event);
    keyPressEvent(key);
    highlightChosenEntry();
    return true;
}

// Enter closes the list and takes the highlighted entry, unless it is the one already
// chosen (by stepping or typing to it), which would run the command a second time.
void EditableDropDown::takeHighlightedEntry() {
    const int entry = view()->currentIndex().row();
    hidePopup();
    if (entry >= 0 && entry != chosenEntry_) {
        setCurrentIndex(entry);
        report(itemText(entry));
    }
}

// The dropped-down list marks the entry that the box's text is, or none.
void EditableDropDown::highlightChosenEntry() {
    view()->setCurrentIndex(model()->index(chosenEntry_, modelColumn(), rootModelIndex()));
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

void EditableDropDown::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        // Left to the window behind, as if the box were not there.
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
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
