#include "ConverterOptions.h"

#include "BasicSubroutine.h"
#include "Failure.h"
#include "FormFailure.h"
#include "IntegerText.h"
#include "SpectrumMemory.h"

namespace vexilor {

namespace {

std::optional<int> numberIn(std::string_view text, int lowest, int highest) {
    const auto value = parseInteger(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return *value;
}

}  // namespace

int firstLineFromText(std::string_view text) {
    if (const auto line = numberIn(text, 1, kLastBasicLine))
        return *line;
    throw Failure("--line needs a line number from 1 to 9999, not '" + std::string(text) + "'");
}

int addressFromText(std::string_view text) {
    if (const auto address = numberIn(text, kFirstRamAddress, kLastAddress))
        return *address;
    throw Failure("--address needs an address in RAM, from 16384 to 65535, not '" +
                  std::string(text) + "'");
}

AutoMaskRule autoMaskFromText(std::string_view text) {
    if (text == "outside")
        return AutoMaskRule::Outside;
    if (text == "outline")
        return AutoMaskRule::Outline;
    throw Failure("--auto-mask needs outside or outline, not '" + std::string(text) + "'");
}

std::string spectrumOptionsConflict(const SpectrumOptions& options, bool credits) {
    const bool tape = !options.tape.empty();
    const bool source = options.assembler || options.c;
    if (int(options.basic) + int(options.assembler) + int(options.c) > 1)
        return "--basic, --asm and --c each replace the listing; give one of them";
    if (options.label && !source)
        return "--label names the bytes of --asm or --c; give one of them";
    if (options.order == ByteOrder::RowByRow && !source && !tape)
        return "--rows orders the bytes of --asm, --c or --tap; give one of them";
    if (options.firstLine && !options.basic)
        return "--line numbers the lines of --basic; give both";
    if (options.tapeName && !tape)
        return "--name names the tape of --tap; give both";
    if (options.address && !options.basic && !tape)
        return "--address places the bytes of --basic or --tap; give one of them";
    if (credits && (options.basic || source)) {
        return std::string("--credits adds to the listing, which ") +
               (options.basic       ? "--basic"
                : options.assembler ? "--asm"
                                    : "--c") +
               " replaces";
    }
    return {};
}

std::string converterMessage(const Failure& failure, const SpectrumOptions& options) {
    const std::string message = failure.what();
    const auto* form = dynamic_cast<const FormFailure*>(&failure);
    if (form == nullptr)
        return message;
    switch (form->remedy()) {
        case FormFailure::Remedy::RowOrder:
            return message + "; --rows gives its pixel rows";
        case FormFailure::Remedy::Address:
            return message + "; give --address to store it elsewhere";
        case FormFailure::Remedy::TapeName:
            return options.tapeName ? message : message + " (give one with --name)";
    }
    return message;
}

}  // namespace vexilor
