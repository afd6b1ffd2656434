#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vexilor {

// What the converter makes for the Spectrum besides, or instead of, the listing.
struct SpectrumOptions {
    bool basic = false;               // the BASIC subroutine instead of the listing
    std::optional<int> firstLine;     // its first line number; 9000 when not given
    std::optional<int> address;       // where the bytes go; the user-defined graphics if not
    QString tape;                     // a .tap file to write as well, when not empty
    std::optional<QString> tapeName;  // the CODE file's name; the picture's name if not
};

// When arguments[i] is one of --basic, --line, --address, --tap or --name, stores it (and
// its value, moving i on to it) in `options` and returns true; returns false for any other
// argument. `problem` is set when the value is missing or not one the option takes.
bool takeSpectrumOption(const QStringList& arguments, int& i, SpectrumOptions& options,
                        QString& problem);

// Why the options given cannot be used together, or an empty text when they can.
QString spectrumOptionsConflict(const SpectrumOptions& options, bool credits);

}  // namespace vexilor
