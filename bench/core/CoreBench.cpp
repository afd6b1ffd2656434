#include <benchmark/benchmark.h>

#include <random>

#include "IntegerText.h"
#include "SpriteListing.h"

namespace {

void BM_MakeListingOfARandom64x64Sprite(benchmark::State& state) {
    vexilor::SpriteStore store;
    store.setWidthFromText("64");
    store.setHeightFromText("64");
    std::mt19937 random(2026);
    for (int c = 0; c < 64; ++c)
        for (int r = 0; r < 64; ++r)
            store.setPixel(c, r, static_cast<int>(random() & 1));
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::makeListing(store, true));
}
BENCHMARK(BM_MakeListingOfARandom64x64Sprite);

void BM_ParseSizeTexts(benchmark::State& state) {
    const char* texts[] = {"8", "  -16", "$FFFFFFFF", "0x40", "abc", "2147483647"};
    for (auto _ : state)
        for (const char* text : texts)
            benchmark::DoNotOptimize(vexilor::parseInteger(text));
}
BENCHMARK(BM_ParseSizeTexts);

}  // namespace
