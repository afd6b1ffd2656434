#include <QImage>

#include <benchmark/benchmark.h>

#include "AnimationPreview.h"
#include "FramePicture.h"
#include "SpriteDocument.h"

namespace {

// One step of the preview playing two 64 x 64 frames: the next frame's picture made from
// the sprite and the window painted with it scaled up. At 50 frames a second each step
// has 20 ms.
void BM_PreviewStepOf64By64Frames(benchmark::State& state) {
    vexilor::SpriteStore store;
    store.setSize(64, 64);
    vexilor::SpriteDocument document(store);
    document.insertFrame(1, vexilor::SpriteFrame{~store.field(), std::nullopt});
    vexilor::AnimationPreview preview({[&] { return document.frameCount(); },
                                       [&](int frame) {
                                           return vexilor::framePicture(document, frame,
                                                                        vexilor::Colour::Black,
                                                                        vexilor::Colour::White);
                                       }},
                                      nullptr);
    preview.resize(512, 560);
    QImage image(preview.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        preview.step();
        preview.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PreviewStepOf64By64Frames)->Unit(benchmark::kMicrosecond);

}  // namespace
