#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ByteLayout.h"

namespace vexilor {

class Failure;

// What the converter makes for the Spectrum besides, or instead of, the listing.
struct SpectrumOptions {
    bool basic = false;      // the BASIC subroutine instead of the listing
    bool assembler = false;  // assembler source instead of the listing
    bool c = false;          // a C array instead of the listing
    std::optional<std::string>
        label;          // what the source calls the bytes; from the input's name if not
    ByteLayout layout;  // of the bytes in the sources and on the tape
    // "--order" or "--rows", whichever gave the layout's order; empty when neither did.
    std::string orderOption;
    std::optional<NumberBase> base;       // of the sources' numbers; hexadecimal if not
    std::optional<int> firstLine;         // its first line number; 9000 when not given
    std::optional<int> address;           // where the bytes go; the user-defined graphics if not
    std::string tape;                     // a .tap file to write as well, when not empty
    std::optional<std::string> tapeName;  // the CODE file's name; the input's name if not
};

// The values that --line and --address take: a line number of Sinclair BASIC, an address
// in RAM. Throw Failure saying what the option takes.
int firstLineFromText(std::string_view text);
int addressFromText(std::string_view text);

// The mask that --auto-mask makes for every frame, in place of one from a picture's alpha:
// the clear pixels joined to the edge transparent, or the set pixels and their neighbours
// opaque (AutoMask.h).
enum class AutoMaskRule { Outside, Outline };
// The value --auto-mask takes ("outside" or "outline"); throws Failure saying what it takes.
AutoMaskRule autoMaskFromText(std::string_view text);
// The values of --order, --mask, --shifts and --base. Throw Failure saying what the
// option takes.
ByteOrder orderFromText(std::string_view text);
MaskPlacement maskFromText(std::string_view text);
int shiftsFromText(std::string_view text);
NumberBase baseFromText(std::string_view text);

// Why the options given cannot be used together, or an empty text when they can.
std::string spectrumOptionsConflict(const SpectrumOptions& options, bool credits);

// The failure's message, with the option that would mend it where there is one.
std::string converterMessage(const Failure& failure, const SpectrumOptions& options);

}  // namespace vexilor
