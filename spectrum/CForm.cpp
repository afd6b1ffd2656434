#include "CForm.h"

#include <cstdio>

#include "SourceBytes.h"

namespace vexilor {

std::string cSource(const SpriteStore& store, std::string_view label, ByteOrder order) {
    const SourceBytes source = sourceBytes(store, order);
    std::string text = "/* " + std::string(label) + ": " + source.summary + " */\n" +
                       "const unsigned char " + std::string(label) + "[" +
                       std::to_string(source.count) + "] = {\n";
    for (const auto& [name, bytes] : source.lines) {
        text += "   ";
        for (const std::uint8_t byte : bytes) {
            char value[8];
            std::snprintf(value, sizeof value, " 0x%02X,", byte);
            text += value;
        }
        text += " /* " + name + " */\n";
    }
    return text + "};\n";
}

}  // namespace vexilor
