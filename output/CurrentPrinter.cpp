#include "CurrentPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "Failure.h"

namespace vexilor {

namespace {

CurrentPrinter* shared = nullptr;

// Printers belong to Qt's print support, which goes away with the application object, so
// the shared printer must go before it.
void dropShared() {
    delete shared;
    shared = nullptr;
}

}  // namespace

InstalledPrinters systemPrinters() {
    return {[] { return QPrinterInfo::availablePrinterNames(); },
            [] { return QPrinterInfo::defaultPrinterName(); }};
}

CurrentPrinter::CurrentPrinter(InstalledPrinters installed) : installed_(std::move(installed)) {}

CurrentPrinter::~CurrentPrinter() = default;

CurrentPrinter& CurrentPrinter::processWide() {
    if (shared == nullptr) {
        shared = new CurrentPrinter;
        qAddPostRoutine(dropShared);
    }
    return *shared;
}

QPrinter& CurrentPrinter::printer() {
    if (printer_)
        return *printer_;
    if (!names_)
        names_ = installed_.names();
    const QString wanted = installed_.defaultName();
    for (const QString& name : *names_) {
        if (!wanted.isEmpty() && name.compare(wanted, Qt::CaseInsensitive) == 0) {
            printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name),
                                                  QPrinter::HighResolution);
            return *printer_;
        }
    }
    throw Failure("There is no default printer currently selected");
}

}  // namespace vexilor
