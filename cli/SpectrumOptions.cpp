#include "SpectrumOptions.h"

#include "BasicSubroutine.h"
#include "IntegerText.h"

namespace vexilor {

namespace {

// RAM starts above the 16K ROM and ends with the 64K address space.
constexpr int kFirstRamAddress = 16384;
constexpr int kLastAddress = 65535;

std::optional<int> numberIn(const QString& text, int lowest, int highest) {
    const auto value = parseInteger(text.toStdString());
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return *value;
}

}  // namespace

bool takeSpectrumOption(const QStringList& arguments, int& i, SpectrumOptions& options,
                        QString& problem) {
    const QString& option = arguments[i];
    if (option == "--basic") {
        options.basic = true;
        return true;
    }
    if (option != "--line" && option != "--address" && option != "--tap" && option != "--name")
        return false;
    if (++i == arguments.size()) {
        problem = QStringLiteral("option %1 needs a value").arg(option);
        return true;
    }
    const QString& value = arguments[i];
    if (option == "--line") {
        options.firstLine = numberIn(value, 1, kLastBasicLine);
        if (!options.firstLine)
            problem = "--line needs a line number from 1 to 9999, not '" + value + "'";
    } else if (option == "--address") {
        options.address = numberIn(value, kFirstRamAddress, kLastAddress);
        if (!options.address)
            problem = "--address needs an address in RAM, from 16384 to 65535, not '" + value + "'";
    } else if (option == "--tap") {
        options.tape = value;
        if (value.isEmpty())
            problem = "--tap needs a file name";
    } else {
        options.tapeName = value;
    }
    return true;
}

QString spectrumOptionsConflict(const SpectrumOptions& options, bool credits) {
    const bool tape = !options.tape.isEmpty();
    if (options.firstLine && !options.basic)
        return "--line numbers the lines of --basic; give both";
    if (options.tapeName && !tape)
        return "--name names the tape of --tap; give both";
    if (options.address && !options.basic && !tape)
        return "--address places the bytes of --basic or --tap; give one of them";
    if (credits && options.basic)
        return "--credits adds to the listing, which --basic replaces";
    return {};
}

}  // namespace vexilor
