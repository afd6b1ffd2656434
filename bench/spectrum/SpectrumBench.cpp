#include <benchmark/benchmark.h>

#include "ByteLayout.h"
#include "RandomSprite.h"

namespace {

// A random 64 x 64 frame with a random mask, as a game's largest pre-shifted sprite.
void BM_LayOutA64x64FrameWithItsMaskIn8Shifts(benchmark::State& state) {
    const vexilor::SpriteStore store = randomFullSprite();
    vexilor::SpriteDocument document(store);
    document.insertFrame(1, {store.field(), ~store.field() << 3});
    document.removeFrame(0);
    const vexilor::ByteLayout layout{vexilor::ByteOrder::ColumnByColumn,
                                     vexilor::MaskPlacement::Before, 8};
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::layOut(document, layout, "ship"));
}
BENCHMARK(BM_LayOutA64x64FrameWithItsMaskIn8Shifts)->Unit(benchmark::kMicrosecond);

}  // namespace
