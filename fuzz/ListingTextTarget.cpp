// Any bytes given as a listing text are read into a sprite of 1 to 256 frames of
// 1 ... 64 x 1 ... 64 pixels, each with or without its mask, or refused with a ListingError that
// names one of the text's lines. A text is read only when it is, line ends and byte-order mark
// aside, the very listing makeListing writes for the sprite read, with or without the credits; and
// that listing reads back into the same sprite. Reading takes little heap besides the frames,
// whatever the text's length.
// The same bytes are read once more as a file's, decoded as the programs decode them:
// then the listing may also be in Windows-1251, as Save writes it.
#include <QStringEncoder>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "HeapWatch.h"
#include "ListingReader.h"
#include "OutcomeFeatures.h"
#include "SpriteFile.h"
#include "SpriteListing.h"

namespace {

// Room for a message and its exception; the frame being read lives on the stack.
constexpr std::size_t kHeapLimit = 16u * 1024;

// The frames read, twice over as their vector grows: a frame takes ten bytes of text at
// least, and there are 256 at most.
std::size_t framesHeap(std::size_t textSize) {
    const std::size_t frames = std::min<std::size_t>(textSize / 10 + 1, 256);
    return 2 * frames * sizeof(vexilor::SpriteFrame);
}
// A file's text is decoded into copies of its own: UTF-16, then UTF-8 of up to three
// bytes for each Windows-1251 one; and Qt opens an ICU converter for Windows-1251, which
// loads its tables on first use.
constexpr std::size_t kDecodingHeapPerByte = 8;
constexpr std::size_t kDecoderHeap = 64u * 1024;

enum class Encodings { Utf8, Utf8OrWindows1251 };

// Every line followed by LF, as the writer's lines are joined here.
std::string joined(const vexilor::SpriteListing& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// The text without its byte-order mark, with LF for each CR LF and after the last line.
std::string withPlainLineEnds(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    if (!plain.empty() && plain.back() != '\n')
        plain += '\n';
    return plain;
}

std::string windows1251(const std::string& utf8) {
    return QByteArray(QStringEncoder("windows-1251").encode(QString::fromStdString(utf8)))
        .toStdString();
}

void checkRead(std::string_view text, const vexilor::SpriteDocument& store, Encodings encodings) {
    if (store.width() < 1 || store.width() > 64 || store.height() < 1 || store.height() > 64)
        vexilor::fuzzing::fail("a sprite was read at a size outside 1 ... 64");
    const std::string plain = withPlainLineEnds(text);
    const std::string withCredits = joined(vexilor::makeListing(store, true));
    bool isListing = false;
    for (const std::string& listing : {joined(vexilor::makeListing(store, false)), withCredits}) {
        isListing = isListing || plain == listing ||
                    (encodings == Encodings::Utf8OrWindows1251 && plain == windows1251(listing));
    }
    if (!isListing)
        vexilor::fuzzing::fail("a text was read that is not the listing of the sprite read");
    try {
        if (!(vexilor::readListing(withCredits) == store))
            vexilor::fuzzing::fail("the listing of the sprite read gives another sprite");
    } catch (const vexilor::ListingError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        vexilor::fuzzing::fail("the listing of the sprite read is refused");
    }
    vexilor::fuzzing::notePicture(store.width(), store.height());
    vexilor::fuzzing::noteOutcome("frames " + std::to_string(store.frameCount()));
    for (int i = 0; i < store.frameCount(); ++i)
        if (store.frame(i).mask)
            vexilor::fuzzing::noteOutcome(i == 0 ? "a first frame with a mask" : "a mask");
}

void checkRefusal(std::string_view text, const vexilor::ListingError& error) {
    // Counted by find, which the C library does uninstrumented: a comparison per byte here
    // would cost the fuzzer time and tell it nothing.
    std::size_t lineEnds = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1))
        ++lineEnds;
    const std::string prefix = "line " + std::to_string(error.line()) + ": ";
    if (error.line() < 1 || static_cast<std::size_t>(error.line()) > lineEnds + 1) {
        std::fprintf(stderr, "line %d of a text of %zu line ends\n", error.line(), lineEnds);
        vexilor::fuzzing::fail("a refusal names a line the text does not have");
    }
    if (!std::string_view(error.what()).starts_with(prefix))
        vexilor::fuzzing::fail("a refusal's message does not begin with its line");
    vexilor::fuzzing::noteOutcome(error.what());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vexilor::fuzzing::HeapWatch heap;
    try {
        const vexilor::SpriteDocument store = vexilor::readListing(text);
        heap.requireAtMost(kHeapLimit + framesHeap(size), "reading a listing");
        checkRead(text, store, Encodings::Utf8);
    } catch (const vexilor::ListingError& error) {
        heap.requireAtMost(kHeapLimit + framesHeap(size), "refusing a listing");
        checkRefusal(text, error);
    }

    const auto bytes = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(size));
    const std::size_t fileHeapLimit =
        kHeapLimit + framesHeap(size) + kDecoderHeap + kDecodingHeapPerByte * size;
    const vexilor::fuzzing::HeapWatch fileHeap;
    try {
        const vexilor::SpriteDocument store = vexilor::readListingBytes(bytes);
        fileHeap.requireAtMost(fileHeapLimit, "reading a listing file");
        checkRead(text, store, Encodings::Utf8OrWindows1251);
    } catch (const vexilor::ListingError& error) {
        fileHeap.requireAtMost(fileHeapLimit, "refusing a listing file");
        checkRefusal(text, error);
    }
    return 0;
}
