#include <benchmark/benchmark.h>

#include "IntegerText.h"
#include "ListingReader.h"
#include "RandomSprite.h"
#include "SpriteListing.h"

namespace {

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

void BM_ParseSizeTexts(benchmark::State& state) {
    const char* texts[] = {"8", "  -16", "$FFFFFFFF", "0x40", "abc", "2147483647"};
    for (auto _ : state)
        for (const char* text : texts)
            benchmark::DoNotOptimize(vexilor::parseInteger(text));
}
BENCHMARK(BM_ParseSizeTexts);

}  // namespace
