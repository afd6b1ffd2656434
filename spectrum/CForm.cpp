#include "CForm.h"

#include "SourceBytes.h"

namespace vexilor {

namespace {

void appendRows(std::string& text, const LabelledBytes& piece, NumberBase base,
                std::string_view indent) {
    const auto length = static_cast<std::size_t>(piece.lineLength);
    for (std::size_t start = 0; start < piece.bytes.size(); start += length) {
        text += indent;
        text += "   ";
        for (std::size_t i = start; i < start + length; ++i)
            text += " " + sourceNumber(piece.bytes[i], base, SourceLanguage::C) + ",";
        text += " /* " + lineName(piece, static_cast<int>(start / length)) + " */\n";
    }
}

std::string arrayStart(const std::string& name, std::size_t count) {
    return "const unsigned char " + name + "[" + std::to_string(count) + "]";
}

}  // namespace

std::string cSource(const SpriteDocument& document, std::string_view label,
                    const ByteLayout& layout, NumberBase base) {
    const std::vector<LabelledBytes> pieces = layOut(document, layout, label);
    const std::string name(label);
    std::string text = "/* " + name + ": " + sourceSummary(document, layout, pieces) + " */\n";
    const bool arrayPerPiece = layout.mask == MaskPlacement::Block || layout.shifts > 1;
    if (arrayPerPiece || pieces.size() == 1) {
        for (const LabelledBytes& piece : pieces) {
            const std::string& own = arrayPerPiece ? piece.labels.back() : name;
            text += arrayStart(own, piece.bytes.size()) + " = {\n";
            appendRows(text, piece, base, "");
            text += "};\n";
        }
        return text;
    }
    text += arrayStart(name, pieces.size()) + "[" + std::to_string(pieces.front().bytes.size()) +
            "] = {\n";
    for (const LabelledBytes& piece : pieces) {
        text += "    { /* frame " + std::to_string(piece.frame + 1) + " */\n";
        appendRows(text, piece, base, "    ");
        text += "    },\n";
    }
    return text + "};\n";
}

}  // namespace vexilor
