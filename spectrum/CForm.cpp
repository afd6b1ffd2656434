#include "CForm.h"

#include <cstdio>

#include "SourceBytes.h"

namespace vexilor {

namespace {

void appendRows(std::string& text, const SourceBytes& source, std::string_view indent) {
    for (const auto& [name, bytes] : source.lines) {
        text += indent;
        text += "   ";
        for (const std::uint8_t byte : bytes) {
            char value[8];
            std::snprintf(value, sizeof value, " 0x%02X,", byte);
            text += value;
        }
        text += " /* " + name + " */\n";
    }
}

}  // namespace

std::string cSource(const SpriteDocument& document, std::string_view label, ByteOrder order) {
    const FrameSourceBytes source = frameSourceBytes(document, order);
    const std::string name(label);
    std::string text = "/* " + name + ": " + source.summary + " */\n";
    if (source.frames.size() == 1) {
        text += "const unsigned char " + name + "[" + std::to_string(source.count) + "] = {\n";
        appendRows(text, source.frames.front(), "");
        return text + "};\n";
    }
    text += "const unsigned char " + name + "[" + std::to_string(source.frames.size()) + "][" +
            std::to_string(source.frames.front().count) + "] = {\n";
    for (std::size_t i = 0; i < source.frames.size(); ++i) {
        text += "    { /* frame " + std::to_string(i + 1) + " */\n";
        appendRows(text, source.frames[i], "    ");
        text += "    },\n";
    }
    return text + "};\n";
}

}  // namespace vexilor
