#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace vexilor {

// What the system says about its printers.
struct InstalledPrinters {
    std::function<QStringList()> names;
    std::function<QString()> defaultName;
};

// The printers known to Qt's print support (CUPS on Linux).
InstalledPrinters systemPrinters();

// The printer that Print uses, one for the whole process and shared by every main window:
// at first the system's default printer, afterwards the one last confirmed in a print
// dialog, with the settings chosen there.
class CurrentPrinter {
public:
    explicit CurrentPrinter(InstalledPrinters installed = systemPrinters());
    ~CurrentPrinter();
    CurrentPrinter(const CurrentPrinter&) = delete;
    CurrentPrinter& operator=(const CurrentPrinter&) = delete;

    // The one the program uses; it lives until the application object ends.
    static CurrentPrinter& processWide();

    // The current printer. The first call reads the list of printers, which is kept for
    // the rest of the process, and picks the default printer from it by name, whatever the
    // case of its letters. Throws Failure while there is no default printer in that list.
    QPrinter& printer();

private:
    InstalledPrinters installed_;
    std::optional<QStringList> names_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vexilor
