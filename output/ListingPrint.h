#pragma once

#include <QPointer>
#include <QPrintDialog>
#include <functional>
#include <memory>

#include "TextDevice.h"

class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace vexilor {

class CurrentPrinter;

// Print for one main window (Button4Click, N7Click): the user confirms the printer in the
// window's own print dialog, and the listing box's lines go to it as the box shows them.
class ListingPrint {
public:
    // Shows the dialog and says whether the user confirmed it. The program runs it
    // modally; tests answer it without blocking.
    using DialogRunner = std::function<bool(QPrintDialog& dialog)>;
    // The surface a job on the printer draws on; tests record what is printed.
    using DeviceMaker = std::function<std::unique_ptr<TextDevice>(QPrinter& printer)>;

    ListingPrint(QWidget* window, CurrentPrinter& printers);
    ~ListingPrint();
    ListingPrint(const ListingPrint&) = delete;
    ListingPrint& operator=(const ListingPrint&) = delete;

    // Prints the display lines of `memo`, one printed line each; does nothing when the
    // dialog is cancelled. Throws Failure.
    void print(QPlainTextEdit& memo);

    // The window's print dialog, made at the first Print that finds a printer.
    QPrintDialog* PrintDialog1() { return dialog_; }
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
    void setDeviceMaker(DeviceMaker maker) { makeDevice_ = std::move(maker); }

private:
    bool confirmPrinter(QPrinter& current, bool jobRunning);
    void configure(QPrintDialog& dialog);

    QWidget* window_;
    CurrentPrinter& printers_;
    // The window owns the dialog as its child; the pointer clears itself should the
    // window go first.
    QPointer<QPrintDialog> dialog_;
    DialogRunner runDialog_;
    DeviceMaker makeDevice_;
};

}  // namespace vexilor
