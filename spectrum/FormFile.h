#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ByteLayout.h"
#include "SpectrumForms.h"
#include "SpriteDocument.h"

namespace vexilor {

// The files for the Spectrum that the converter and the editor's export both write.
enum class SpectrumForm { Assembler, C, Basic, Tape };

// One such file as asked for, in plain values. Each form reads only what applies to it:
// the name is the sources' label or the tape's CODE file name; the layout applies to the
// sources and the tape, the base to the sources, the address to the subroutine and the
// tape, the first line to the subroutine.
struct FormRequest {
    SpectrumForm form = SpectrumForm::Assembler;
    std::string name = "sprite";
    ByteLayout layout;
    NumberBase base = NumberBase::Hexadecimal;
    int firstLine = kDefaultFirstLine;
    std::optional<int> address;  // the user-defined graphics when none
};

// The bytes of the file `request` asks for. Throws Failure when the label cannot name the
// bytes in the source's language (checkLabel), and as the form itself does, a FormFailure
// where another choice would mend it.
std::vector<std::uint8_t> formFile(const SpriteDocument& document, const FormRequest& request);

}  // namespace vexilor
