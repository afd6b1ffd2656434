#include "AssemblerForm.h"

#include <cstdio>

#include "SourceBytes.h"

namespace vexilor {

namespace {

void appendDefbLines(std::string& text, const SourceBytes& source) {
    for (const auto& [name, bytes] : source.lines) {
        text += "    DEFB ";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char value[8];
            std::snprintf(value, sizeof value, "%s$%02X", i > 0 ? ", " : "", bytes[i]);
            text += value;
        }
        text += " ; " + name + "\n";
    }
}

}  // namespace

std::string assemblerSource(const SpriteDocument& document, std::string_view label,
                            ByteOrder order) {
    const FrameSourceBytes source = frameSourceBytes(document, order);
    const std::string name(label);
    std::string text = "; " + name + ": " + source.summary + "\n" + name + ":\n";
    if (source.frames.size() == 1) {
        appendDefbLines(text, source.frames.front());
        return text;
    }
    for (std::size_t i = 0; i < source.frames.size(); ++i) {
        text += frameLabel(label, static_cast<int>(i)) + ":\n";
        appendDefbLines(text, source.frames[i]);
    }
    text += name + "_frames:\n";
    for (std::size_t i = 0; i < source.frames.size(); ++i)
        text += "    DEFW " + frameLabel(label, static_cast<int>(i)) + "\n";
    return text;
}

std::string frameLabel(std::string_view label, int frame) {
    return std::string(label) + "_" + std::to_string(frame + 1);
}

}  // namespace vexilor
