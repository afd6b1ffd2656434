#include "AssemblerForm.h"

#include "SourceBytes.h"

namespace vexilor {

std::string assemblerSource(const SpriteDocument& document, std::string_view label,
                            const ByteLayout& layout, NumberBase base) {
    const std::vector<LabelledBytes> pieces = layOut(document, layout, label);
    const std::string name(label);
    std::string text = "; " + name + ": " + sourceSummary(document, layout, pieces) + "\n";
    for (const LabelledBytes& piece : pieces) {
        for (const std::string& pieceLabel : piece.labels)
            text += pieceLabel + ":\n";
        const auto length = static_cast<std::size_t>(piece.lineLength);
        for (std::size_t start = 0; start < piece.bytes.size(); start += length) {
            text += "    DEFB ";
            for (std::size_t i = start; i < start + length; ++i) {
                text += i > start ? ", " : "";
                text += sourceNumber(piece.bytes[i], base, SourceLanguage::Assembler);
            }
            text += " ; " + lineName(piece, static_cast<int>(start / length)) + "\n";
        }
    }
    if (document.frameCount() == 1)
        return text;
    text += name + "_frames:\n";
    for (int i = 0; i < document.frameCount(); ++i)
        text += "    DEFW " + frameLabel(label, i) + "\n";
    return text;
}

std::string frameLabel(std::string_view label, int frame) {
    return std::string(label) + "_" + std::to_string(frame + 1);
}

}  // namespace vexilor
