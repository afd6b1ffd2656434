#include <benchmark/benchmark.h>

#include "IntegerText.h"
#include "ListingReader.h"
#include "PixelShapes.h"
#include "RandomSprite.h"
#include "SpriteListing.h"
#include "SpriteTransforms.h"

namespace {

using vexilor::ShiftDirection;
using vexilor::SpriteStore;

void BM_MakeListingOfARandom64x64Sprite(benchmark::State& state) {
    const vexilor::SpriteStore store = randomFullSprite();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::makeListing(store, true));
}
BENCHMARK(BM_MakeListingOfARandom64x64Sprite);

// As a saved file gives it, with CR LF line ends and the credits.
void BM_ReadListingOfARandom64x64Sprite(benchmark::State& state) {
    std::string text;
    for (const std::string& line : vexilor::makeListing(randomFullSprite(), true))
        text += line + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::readListing(text));
}
BENCHMARK(BM_ReadListingOfARandom64x64Sprite);

// 256 frames of 64 x 64 pixels, each another random picture.
vexilor::SpriteDocument largestDocument() {
    vexilor::SpriteDocument document(randomFullSprite());
    while (document.frameCount() < vexilor::SpriteDocument::kMaxFrames) {
        const vexilor::PixelField last = document.frame(document.frameCount() - 1).pixels;
        document.insertFrame(document.frameCount(), {(last << 1) ^ (last >> 7), std::nullopt});
    }
    return document;
}

void BM_MakeListingOf256Frames(benchmark::State& state) {
    const vexilor::SpriteDocument document = largestDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::makeListing(document, true));
}
BENCHMARK(BM_MakeListingOf256Frames)->Unit(benchmark::kMillisecond);

void BM_ReadListingOf256Frames(benchmark::State& state) {
    std::string text;
    for (const std::string& line : vexilor::makeListing(largestDocument(), true))
        text += line + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::readListing(text));
}
BENCHMARK(BM_ReadListingOf256Frames)->Unit(benchmark::kMillisecond);

void BM_ParseSizeTexts(benchmark::State& state) {
    const char* texts[] = {"8", "  -16", "$FFFFFFFF", "0x40", "abc", "2147483647"};
    for (auto _ : state)
        for (const char* text : texts)
            benchmark::DoNotOptimize(vexilor::parseInteger(text));
}
BENCHMARK(BM_ParseSizeTexts);

// One edit of a full 64 x 64 sprite, again and again on the same store.
void BM_EditARandom64x64Sprite(benchmark::State& state, void (*edit)(SpriteStore&)) {
    SpriteStore store = randomFullSprite();
    for (auto _ : state) {
        edit(store);
        benchmark::DoNotOptimize(store.pixelRevision());
    }
}
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, mirrorLeftRight, vexilor::mirrorLeftRight);
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, mirrorTopBottom, vexilor::mirrorTopBottom);
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, rotateClockwise, vexilor::rotateClockwise);
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, shiftLeft,
                  [](SpriteStore& store) { shiftPixels(store, ShiftDirection::Left); });
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, shiftRight,
                  [](SpriteStore& store) { shiftPixels(store, ShiftDirection::Right); });
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, shiftUp,
                  [](SpriteStore& store) { shiftPixels(store, ShiftDirection::Up); });
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, shiftDown,
                  [](SpriteStore& store) { shiftPixels(store, ShiftDirection::Down); });
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, invertPixels, vexilor::invertPixels);
// Pastes the opposite of the sprite over all of it, which changes every pixel.
BENCHMARK_CAPTURE(BM_EditARandom64x64Sprite, pastePixels, [](SpriteStore& store) {
    static const vexilor::PixelPicture opposite{64, 64, ~randomFullSprite().field()};
    pastePixels(store, opposite);
});

// A fill from the top-left pixel over a whole 64 x 64 sprite: an empty one, which the fill
// covers whole, and a maze of walls on every other row, each open at alternate ends, whose
// one path winds through every free row (two thousand runs of single pixels).
void BM_FillOf64x64Sprite(benchmark::State& state, bool maze) {
    vexilor::PixelField field;
    for (int row = 1; maze && row < 64; row += 2)
        for (int column = 0; column < 64; ++column)
            field[SpriteStore::pixelIndex(column, row)] = column != (row % 4 == 1 ? 63 : 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::connectedPixels(field, {0, 0}, 64, 64));
}
BENCHMARK_CAPTURE(BM_FillOf64x64Sprite, empty, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillOf64x64Sprite, maze, true)->Unit(benchmark::kMicrosecond);

}  // namespace
