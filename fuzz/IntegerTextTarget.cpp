// Every input is read as a size text twice: by the sprite store, and by a model written
// here straight from the rule the size boxes follow. The two must agree on success,
// value and message.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "Failure.h"
#include "HeapWatch.h"
#include "IntegerText.h"
#include "SpriteStore.h"

namespace {

bool isDigitOf(char c, int base) {
    const auto byte = static_cast<unsigned char>(c);
    return base == 16 ? std::isxdigit(byte) != 0 : std::isdigit(byte) != 0;
}

// The rule, one clause at a time: leading spaces; one "+" or "-"; decimal digits, or up
// to eight hexadecimal digits after "$", "x", "X", "0x" or "0X", taken as a 32-bit
// pattern; nothing after the digits. Decimal values must fit 32 signed bits.
std::optional<std::int32_t> modelNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool minus = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        minus = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (!isDigitOf(c, base))
            return std::nullopt;

    if (base == 16) {
        if (text.size() > 8)
            return std::nullopt;
        const auto pattern = static_cast<std::uint32_t>(std::stoul(std::string(text), nullptr, 16));
        const std::int64_t signedValue = static_cast<std::int32_t>(pattern);
        // Negating keeps to 32 bits: "-$80000000" is the pattern itself.
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(minus ? -signedValue : signedValue));
    }
    // Compared as digit strings, so no arithmetic can overflow on the way.
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    const std::string_view largest = minus ? "2147483648" : "2147483647";
    if (text.size() > largest.size() || (text.size() == largest.size() && text > largest))
        return std::nullopt;
    const std::int64_t magnitude = text.empty() ? 0 : std::stoll(std::string(text));
    return static_cast<std::int32_t>(minus ? -magnitude : magnitude);
}

struct Outcome {
    std::optional<std::int32_t> size;
    std::string message;  // when there is no size
    bool operator==(const Outcome&) const = default;
};

// Sizes of 0 or less are kept; above 64 they are refused, the sprite field being 64 x 64.
Outcome modelSize(const std::string& text) {
    const auto number = modelNumber(text);
    if (!number)
        return {std::nullopt, "'" + text + "' is not a valid integer value"};
    if (*number > 64)
        return {std::nullopt, "'" + text + "' is not a valid sprite size: at most 64"};
    return {number, ""};
}

// As the editor's size boxes take a text: read as a number, then given to the store.
Outcome storeSize(const std::string& text) {
    const auto number = vexilor::parseInteger(text);
    if (!number)
        return {std::nullopt, "'" + text + "' is not a valid integer value"};
    vexilor::SpriteStore store;
    try {
        vexilor::SpriteStore::checkSize(*number, text);
        store.setSize(*number, store.height());
        return {store.width(), ""};
    } catch (const vexilor::Failure& failure) {
        return {std::nullopt, failure.what()};
    }
}

std::string describe(const std::optional<std::int32_t>& number) {
    return number ? std::to_string(*number) : "no number";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto number = vexilor::parseInteger(text);
    if (number != modelNumber(text)) {
        std::fprintf(stderr, "the number read is %s, the rule gives %s\n", describe(number).c_str(),
                     describe(modelNumber(text)).c_str());
        vexilor::fuzzing::fail("the conversion and the model disagree");
    }

    Outcome expected = modelSize(text);
    // A message is read through what(), a C string, as the error box reads it: a text
    // with a NUL byte is quoted up to that byte.
    expected.message = expected.message.c_str();
    const Outcome actual = storeSize(text);
    if (actual != expected) {
        std::fprintf(stderr, "the store gives %s \"%s\", the rule %s \"%s\"\n",
                     describe(actual.size).c_str(), actual.message.c_str(),
                     describe(expected.size).c_str(), expected.message.c_str());
        vexilor::fuzzing::fail("the size conversion and the model disagree");
    }
    return 0;
}
