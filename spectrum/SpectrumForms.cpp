#include "SpectrumForms.h"

#include "BasicSubroutine.h"
#include "Failure.h"
#include "SpectrumMemory.h"
#include "SpectrumTape.h"
#include "SpriteBytes.h"

namespace vexilor {

namespace {

constexpr int kDefaultFirstLine = 9000;
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

std::string basicSubroutineFile(const SpriteStore& store, const SpectrumOptions& options) {
    const auto lines =
        basicSubroutine(bytesThatFit(spriteBytes(store), options.address),
                        options.firstLine.value_or(kDefaultFirstLine), options.address);
    std::string text;
    for (const auto& line : lines)
        text += line + '\n';
    return text;
}

std::vector<std::uint8_t> spriteTapeFile(const SpriteStore& store, const SpectrumOptions& options,
                                         std::string_view defaultName) {
    const auto bytes =
        bytesThatFit(spriteBytes(store, options.order), options.address, options.order);
    const auto address = static_cast<std::uint16_t>(options.address.value_or(kUserGraphicsAddress));
    if (options.tapeName)
        return codeTape(*options.tapeName, address, bytes);
    try {
        return codeTape(firstCharacters(defaultName, kTapeNameLength), address, bytes);
    } catch (const Failure& failure) {
        throw Failure(failure.what() + std::string(" (give one with --name)"));
    }
}

}  // namespace vexilor
