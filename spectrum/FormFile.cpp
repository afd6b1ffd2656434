#include "FormFile.h"

#include "AssemblerForm.h"
#include "CForm.h"
#include "SourceLabel.h"

namespace vexilor {

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

}  // namespace

std::vector<std::uint8_t> formFile(const SpriteDocument& document, const FormRequest& request) {
    switch (request.form) {
        case SpectrumForm::Assembler:
            checkLabel(request.name, SourceLanguage::Assembler);
            return bytesOf(assemblerSource(document, request.name, request.layout, request.base));
        case SpectrumForm::C:
            checkLabel(request.name, SourceLanguage::C);
            return bytesOf(cSource(document, request.name, request.layout, request.base));
        case SpectrumForm::Basic:
            return bytesOf(basicSubroutineFile(document, request.firstLine, request.address));
        case SpectrumForm::Tape:
            return spriteTapeFile(document, request.layout, request.address, request.name);
    }
    return {};
}

}  // namespace vexilor
