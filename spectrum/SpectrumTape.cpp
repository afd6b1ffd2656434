#include "SpectrumTape.h"

#include <libspectrum.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>

#include "Failure.h"
#include "FormFailure.h"

namespace vexilor {

namespace {

constexpr std::uint8_t kHeaderFlag = 0x00;
constexpr std::uint8_t kDataFlag = 0xFF;
constexpr std::uint8_t kCodeFileType = 3;
constexpr std::size_t kNameLength = 10;
// What SAVE ... CODE puts in the header's second parameter.
constexpr std::uint16_t kCodeSecondParameter = 32768;
// The gap that SAVE leaves after each block.
constexpr libspectrum_dword kPauseMilliseconds = 1000;

// libspectrum reports failures through a callback rather than to its caller; the last
// message is kept so that the failure can carry it.
std::string lastLibraryMessage;

libspectrum_error keepMessage(libspectrum_error error, const char* format, va_list arguments) {
    char text[256];
    std::vsnprintf(text, sizeof text, format, arguments);
    lastLibraryMessage = text;
    return error;
}

void check(libspectrum_error error, const char* action) {
    if (error != LIBSPECTRUM_ERROR_NONE)
        throw Failure(std::string("cannot ") + action + ": " + lastLibraryMessage);
}

void startLibrary() {
    static const libspectrum_error started = [] {
        libspectrum_error_function = keepMessage;
        return libspectrum_init();
    }();
    check(started, "start libspectrum");
}

std::string paddedName(std::string_view name) {
    const std::string quoted = "the tape name '" + std::string(name) + "'";
    const auto unprintable = [](unsigned char c) { return c < 0x20 || c > 0x7E; };
    if (std::any_of(name.begin(), name.end(), unprintable)) {
        throw FormFailure(
            quoted + " has characters that the Spectrum cannot show; use printable ASCII",
            FormFailure::Remedy::TapeName);
    }
    if (name.size() > kNameLength) {
        throw FormFailure(quoted + " has " + std::to_string(name.size()) +
                              " characters; a Spectrum tape name has at most 10",
                          FormFailure::Remedy::TapeName);
    }
    std::string padded(name);
    padded.resize(kNameLength, ' ');
    return padded;
}

void appendWord(std::vector<std::uint8_t>& block, std::uint16_t word) {
    block.push_back(static_cast<std::uint8_t>(word & 0xFF));
    block.push_back(static_cast<std::uint8_t>(word >> 8));
}

// The flag, the body and the checksum: every byte before it, flag included, XORed.
std::vector<std::uint8_t> romBlock(std::uint8_t flag, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> block;
    block.reserve(body.size() + 2);
    block.push_back(flag);
    block.insert(block.end(), body.begin(), body.end());
    std::uint8_t checksum = 0;
    for (std::uint8_t byte : block)
        checksum ^= byte;
    block.push_back(checksum);
    return block;
}

std::vector<std::uint8_t> codeHeader(const std::string& name, std::uint16_t address,
                                     std::size_t length) {
    std::vector<std::uint8_t> header;
    header.reserve(1 + kNameLength + 3 * 2);
    header.push_back(kCodeFileType);
    header.insert(header.end(), name.begin(), name.end());
    appendWord(header, static_cast<std::uint16_t>(length));
    appendWord(header, address);
    appendWord(header, kCodeSecondParameter);
    return header;
}

struct TapeFree {
    void operator()(libspectrum_tape* tape) const { libspectrum_tape_free(tape); }
};

void appendRomBlock(libspectrum_tape* tape, const std::vector<std::uint8_t>& block) {
    libspectrum_tape_block* romBlock = libspectrum_tape_block_alloc(LIBSPECTRUM_TAPE_BLOCK_ROM);
    auto* data = libspectrum_new(libspectrum_byte, block.size());
    std::copy(block.begin(), block.end(), data);
    libspectrum_tape_block_set_data_length(romBlock, block.size());
    libspectrum_tape_block_set_data(romBlock, data);
    libspectrum_tape_block_set_pause(romBlock, kPauseMilliseconds);
    libspectrum_tape_append_block(tape, romBlock);
}

}  // namespace

std::vector<std::uint8_t> codeTape(std::string_view name, std::uint16_t address,
                                   const std::vector<std::uint8_t>& bytes) {
    const std::string padded = paddedName(name);
    startLibrary();
    const std::unique_ptr<libspectrum_tape, TapeFree> tape(libspectrum_tape_alloc());
    appendRomBlock(tape.get(), romBlock(kHeaderFlag, codeHeader(padded, address, bytes.size())));
    appendRomBlock(tape.get(), romBlock(kDataFlag, bytes));

    libspectrum_byte* image = nullptr;
    std::size_t length = 0;
    check(libspectrum_tape_write(&image, &length, tape.get(), LIBSPECTRUM_ID_TAPE_TAP),
          "write the tape");
    std::vector<std::uint8_t> result(image, image + length);
    libspectrum_free(image);
    return result;
}

}  // namespace vexilor
