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

namespace {

// The value that `text` names among `names`, in the order of `values`.
template <typename Value, std::size_t N>
Value namedValue(std::string_view option, std::string_view text, const char* const (&names)[N],
                 const Value (&values)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == names[i])
            return values[i];
    }
    std::string choices;
    for (std::size_t i = 0; i < N; ++i)
        choices += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + names[i];
    throw Failure(std::string(option) + " needs " + choices + ", not '" + std::string(text) + "'");
}

}  // namespace

ByteOrder orderFromText(std::string_view text) {
    return namedValue("--order", text, {"cells", "rows", "columns"},
                      {ByteOrder::CellByCell, ByteOrder::RowByRow, ByteOrder::ColumnByColumn});
}

MaskPlacement maskFromText(std::string_view text) {
    return namedValue("--mask", text, {"before", "after", "block"},
                      {MaskPlacement::Before, MaskPlacement::After, MaskPlacement::Block});
}

int shiftsFromText(std::string_view text) {
    return namedValue("--shifts", text, {"2", "4", "8"}, {2, 4, 8});
}

NumberBase baseFromText(std::string_view text) {
    return namedValue("--base", text, {"hex", "dec", "bin"},
                      {NumberBase::Hexadecimal, NumberBase::Decimal, NumberBase::Binary});
}

std::string spectrumOptionsConflict(const SpectrumOptions& options, bool credits) {
    const bool tape = !options.tape.empty();
    const bool source = options.assembler || options.c;
    if (int(options.basic) + int(options.assembler) + int(options.c) > 1)
        return "--basic, --asm and --c each replace the listing; give one of them";
    if (options.label && !source)
        return "--label names the bytes of --asm or --c; give one of them";
    if (!options.orderOption.empty() && !source && !tape)
        return options.orderOption + " orders the bytes of --asm, --c or --tap; give one of them";
    if (options.layout.mask != MaskPlacement::None && !source && !tape)
        return "--mask adds the mask to the bytes of --asm, --c or --tap; give one of them";
    if (options.layout.shifts > 1 && !source && !tape)
        return "--shifts gives shifted copies of the bytes of --asm, --c or --tap; give one of "
               "them";
    if (options.base && !source)
        return "--base writes the numbers of --asm or --c; give one of them";
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
