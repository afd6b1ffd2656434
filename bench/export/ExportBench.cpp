#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include "ExportDialog.h"
#include "RandomSprite.h"

namespace {

// The export dialog following a changed choice: a 64 x 64 frame with its mask, written as
// binary assembler with the mask paired in, the copies going from one to eight and back
// each time, the preview's text made and shown anew.
void BM_ExportPreviewFollowsAChangedChoice(benchmark::State& state) {
    const vexilor::SpriteStore sprite = randomFullSprite();
    vexilor::SpriteDocument document(sprite);
    document.insertFrame(1, vexilor::SpriteFrame{sprite.field(), ~sprite.field()});
    document.removeFrame(0);
    vexilor::ExportChoices& choices = vexilor::ExportChoices::processWide();
    choices.layout.mask = vexilor::MaskPlacement::Before;
    choices.base = vexilor::NumberBase::Binary;
    vexilor::ExportDialog dialog(
        {[&]() -> const vexilor::SpriteDocument& { return document; }, [] { return QString(); },
         [](const std::function<void()>& handler) { handler(); }},
        nullptr);
    dialog.show();
    auto* shifts = dialog.findChild<QComboBox*>(QStringLiteral("Shifts"));
    for (auto _ : state) {
        shifts->setCurrentIndex(shifts->currentIndex() == 0 ? 3 : 0);
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.previewText().size());
    }
}
BENCHMARK(BM_ExportPreviewFollowsAChangedChoice)->Unit(benchmark::kMillisecond);

}  // namespace
