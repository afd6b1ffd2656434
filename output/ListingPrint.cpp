#include "ListingPrint.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "CurrentPrinter.h"
#include "DialogPlacement.h"
#include "DisplayLines.h"
#include "LinePrinter.h"
#include "PrinterTextDevice.h"

namespace vexilor {

ListingPrint::ListingPrint(QWidget* window, CurrentPrinter& printers)
    : window_(window),
      printers_(printers),
      runDialog_([this](QPrintDialog& dialog) { return runPlacedDialog(dialog, window_); }),
      makeDevice_([](QPrinter& printer) { return std::make_unique<PrinterTextDevice>(printer); }) {}

ListingPrint::~ListingPrint() {
    delete dialog_.data();
}

void ListingPrint::configure(QPrintDialog& dialog) {
    // The whole listing always: no page range, no selection, and no file instead of a printer.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

bool ListingPrint::confirmPrinter(QPrinter& current, bool jobRunning) {
    if (!jobRunning) {
        if (dialog_.isNull()) {
            dialog_ = new QPrintDialog(&current, window_);
            dialog_->setObjectName(QStringLiteral("PrintDialog1"));
            configure(*dialog_);
        }
        return runDialog_(*dialog_);
    }
    // A confirmed dialog applies its choice to its printer, and the running job must not
    // change under it, so this dialog works on a stand-in that is thrown away.
    QPrinter standIn(QPrinterInfo::printerInfo(current.printerName()), QPrinter::HighResolution);
    standIn.setCopyCount(current.copyCount());
    QPrintDialog dialog(&standIn, window_);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    configure(dialog);
    return runDialog_(dialog);
}

void ListingPrint::print(QPlainTextEdit& memo) {
    QPrinter& current = printers_.printer();
    std::unique_ptr<TextDevice> device = makeDevice_(current);
    if (!confirmPrinter(current, device->jobRunning()))
        return;

    LinePrinter out(*device);
    out.open();
    out.setFont(memo.font(), memo.palette().color(QPalette::Text));
    // While the job runs the program keeps handling its events, so the window repaints and
    // takes commands; one of them may change the box, or even close its window.
    const QPointer<QPlainTextEdit> box(&memo);
    const int count = displayLineCount(memo);
    for (int i = 0; i < count && !box.isNull(); ++i) {
        out.write(displayLine(*box, i) + u'\n');
        QCoreApplication::processEvents();
    }
    out.close();
}

}  // namespace vexilor
