#include "SpectrumForms.h"

#include "BasicSubroutine.h"
#include "SpectrumMemory.h"
#include "SpectrumTape.h"
#include "SpriteBytes.h"

namespace vexilor {

namespace {

constexpr int kTapeNameLength = 10;

// The first `count` characters of a UTF-8 text, never cutting one in two.
std::string_view firstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int taken = 0; end < text.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && taken++ == count)
            break;
    }
    return text.substr(0, end);
}

}  // namespace

std::string_view tapeNameCut(std::string_view text) {
    return firstCharacters(text, kTapeNameLength);
}

std::string basicSubroutineFile(const SpriteDocument& document, int firstLine,
                                std::optional<int> address) {
    const auto lines = basicSubroutine(
        bytesThatFit(spriteBytes(document, ByteOrder::CellByCell), address), firstLine, address);
    std::string text;
    for (const auto& line : lines)
        text += line + '\n';
    return text;
}

std::vector<std::uint8_t> spriteTapeFile(const SpriteDocument& document, const ByteLayout& layout,
                                         std::optional<int> address, std::string_view name) {
    const auto bytes =
        bytesThatFit(joinedBytes(layOut(document, layout, "sprite")), address, layout);
    return codeTape(name, static_cast<std::uint16_t>(address.value_or(kUserGraphicsAddress)),
                    bytes);
}

}  // namespace vexilor
