// Any bytes, decoded in full colour and in 236 colours, give a picture no larger than
// the largest one or a Failure; nothing else leaves the decoder, and the heap never
// grows past what the largest picture needs.
#include <cstdint>

#include "Failure.h"
#include "HeapWatch.h"
#include "JpegPicture.h"
#include "OutcomeFeatures.h"

namespace {

// The largest picture, 2048 x 2048, decoded in 236 colours from several scans: the
// library's own buffers, capped at 64 MiB, then the 12 MiB picture and its row table.
constexpr std::size_t kHeapLimit = 80u * 1024 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const auto colours :
         {vexilor::PictureColours::TrueColour, vexilor::PictureColours::Palette236}) {
        const vexilor::fuzzing::HeapWatch heap;
        try {
            const QImage picture = vexilor::decodeJpeg(bytes, colours);
            const auto largest = static_cast<int>(vexilor::kLargestPictureSide);
            if (picture.isNull() || picture.width() > largest || picture.height() > largest)
                vexilor::fuzzing::fail("a decoded picture is empty or larger than the largest");
            vexilor::fuzzing::notePicture(picture.width(), picture.height());
        } catch (const vexilor::Failure& failure) {
            // An ordinary failure: what a damaged picture gives.
            vexilor::fuzzing::noteOutcome(failure.what());
        }
        heap.requireAtMost(kHeapLimit, "decoding a JPEG");
    }
    return 0;
}
