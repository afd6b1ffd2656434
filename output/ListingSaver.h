#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vexilor {

// Save for one main window (Button3Click, N6Click): asks for a file in the window's own
// save dialog and writes the listing there. The dialog remembers the path chosen last
// for as long as the window lives.
class ListingSaver {
public:
    // Shows the dialog and says whether the user confirmed it. The program runs it
    // modally; tests answer it without blocking.
    using DialogRunner = std::function<bool(QFileDialog& dialog)>;

    explicit ListingSaver(QWidget* window);
    ~ListingSaver();
    ListingSaver(const ListingSaver&) = delete;
    ListingSaver& operator=(const ListingSaver&) = delete;

    // Writes `listingLines` (the listing's real lines, not as the box wraps them) to the
    // file the user chooses and says whether it did; does nothing when the dialog is
    // cancelled. Throws Failure.
    bool save(const QStringList& listingLines);

    QFileDialog& SaveDialog1() { return *dialog_; }
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

private:
    QWidget* window_;
    // The window owns the dialog as its child; the pointer clears itself should the
    // window go first.
    QPointer<QFileDialog> dialog_;
    DialogRunner runDialog_;
    // The path chosen last, whether or not it could be written; empty at first.
    QString lastPath_;
};

}  // namespace vexilor
