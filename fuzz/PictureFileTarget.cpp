// Any file bytes given to the converter, a picture or a listing told by their content,
// give a sprite of at most 256 frames of at most 64 x 64 and its listing, or a Failure
// (the converter's one-line error and exit status 1); nothing else leaves the reading,
// and the heap stays small, whatever size a header states.
#include <QCoreApplication>
#include <cstdint>

#include "Failure.h"
#include "HeapWatch.h"
#include "OutcomeFeatures.h"
#include "SpriteFile.h"
#include "SpriteListing.h"

namespace {

// A sprite takes 16 KiB a frame; the reader may allocate up to 1 MiB for a picture and
// 5 MiB for a sheet of frames (4 MiB for 256 frames, and as much again converted), its
// listing takes about 3 MiB, and the format decoders need their own tables and rows.
constexpr std::size_t kHeapLimit = 16u * 1024 * 1024;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // As in the converter: the application object lets the reader find its format
    // plug-ins. It lives to the end of the process and is never destroyed, so that the
    // plug-ins stay loaded while the leak checker looks at the heap at exit.
    static const auto* application = new QCoreApplication(*argc, *argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vexilor::fuzzing::HeapWatch heap;
    try {
        const vexilor::SpriteDocument store = vexilor::readSpriteBytes(bytes);
        if (store.width() < 1 || store.width() > 64 || store.height() < 1 || store.height() > 64)
            vexilor::fuzzing::fail("a sprite was read at a size outside 1 ... 64");
        (void)vexilor::makeListing(store, true);
        vexilor::fuzzing::notePicture(store.width(), store.height());
    } catch (const vexilor::Failure& failure) {
        // The converter's clear error.
        vexilor::fuzzing::noteOutcome(failure.what());
    }
    heap.requireAtMost(kHeapLimit, "reading a sprite file");
    return 0;
}
