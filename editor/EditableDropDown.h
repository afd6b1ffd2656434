#pragma once

#include <QComboBox>

namespace vexilor {

// An editable drop-down list that tells apart the user's changes of its text from the
// program's own. Picking or stepping to an entry reports it once; typing completes from
// the list (case-insensitive) and reports a completed entry only when it is another
// entry than the one already chosen; Backspace always reports; Delete and paste report
// the new text. Setting the text from the program, and leaving the box, report nothing.
// The keys do the same whether the list is dropped down or not. The mouse wheel steps
// like the arrow keys, but only while the box has the keyboard focus: scrolling past a
// box changes nothing.
class EditableDropDown : public QComboBox {
    Q_OBJECT
public:
    explicit EditableDropDown(QWidget* parent = nullptr);

    void setTextQuietly(const QString& text);
    void showPopup() override;

signals:
    void textChangedByUser(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typeCharacter(const QString& character);
    int firstEntryStartingWith(const QString& prefix) const;
    void report(const QString& text);
    void highlightChosenEntry();
    void takeHighlightedEntry();

    // The entry that the text last reported was, or -1 for a text of the user's own.
    int chosenEntry_ = -1;
    bool insideKeyPress_ = false;
};

}  // namespace vexilor
