#include "AssemblerForm.h"

#include <cstdio>

#include "SourceBytes.h"

namespace vexilor {

std::string assemblerSource(const SpriteStore& store, std::string_view label, ByteOrder order) {
    const SourceBytes source = sourceBytes(store, order);
    std::string text =
        "; " + std::string(label) + ": " + source.summary + "\n" + std::string(label) + ":\n";
    for (const auto& [name, bytes] : source.lines) {
        text += "    DEFB ";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char value[8];
            std::snprintf(value, sizeof value, "%s$%02X", i > 0 ? ", " : "", bytes[i]);
            text += value;
        }
        text += " ; " + name + "\n";
    }
    return text;
}

}  // namespace vexilor
