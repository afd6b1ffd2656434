#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

#include "DrawingTools.h"
#include "EditorCommands.h"
#include "GridGeometry.h"
#include "PixelGrid.h"
#include "RandomSprite.h"

namespace {

using vexilor::grid::cellRect;

// A 64 x 64 sprite with about half its pixels set, on an enabled grid.
struct PaintedGrid {
    PaintedGrid() {
        commands.chooseWidth("64");
        commands.chooseHeight("64");
        commands.chooseBackground("7 - Белый");
        commands.clear(vexilor::EditorCommands::From::Button);
        const vexilor::SpriteStore sprite = randomFullSprite();
        for (int column = 0; column < 64; ++column)
            for (int row = 0; row < 64; ++row)
                commands.paintPixel(QPoint(column, row), sprite.pixel(column, row));
        grid.setEnabled(true);
    }

    void press(Qt::MouseButton button, QPoint cell) {
        const QPointF at = cellRect(cell).center();
        QMouseEvent event(QEvent::MouseButtonPress, at, grid.mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&grid, &event);
    }

    void moveHolding(Qt::MouseButton button, QPoint cell) {
        const QPointF at = cellRect(cell).center();
        QMouseEvent event(QEvent::MouseMove, at, grid.mapToGlobal(at), Qt::NoButton, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&grid, &event);
    }

    vexilor::EditorCommands commands{"/"};
    vexilor::PixelGrid grid{commands};
};

void renderFullGrid(benchmark::State& state, qreal devicePixelRatio) {
    PaintedGrid painted;
    const int side = static_cast<int>(vexilor::grid::kSide * devicePixelRatio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    for (auto _ : state) {
        painted.grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_FullRepaint(benchmark::State& state) {
    renderFullGrid(state, 1);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_FullRepaintAtDevicePixelRatio2(benchmark::State& state) {
    renderFullGrid(state, 2);
}
BENCHMARK(BM_FullRepaintAtDevicePixelRatio2)->Unit(benchmark::kMicrosecond);

// A press on a cell followed by the repaint of what the press made dirty: that one cell.
void BM_RepaintAfterOneClick(benchmark::State& state) {
    PaintedGrid painted;
    QImage image(vexilor::grid::kSide, vexilor::grid::kSide, QImage::Format_ARGB32_Premultiplied);
    painted.grid.render(&image);
    const QPoint cell(20, 30);
    bool set = false;
    for (auto _ : state) {
        set = !set;
        painted.press(set ? Qt::LeftButton : Qt::RightButton, cell);
        painted.grid.render(&image, cellRect(cell).topLeft(), QRegion(cellRect(cell)));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintAfterOneClick)->Unit(benchmark::kMicrosecond);

// Going to the next frame, which differs in about half its pixels, with the repaint of
// the whole grid that it brings.
void BM_NextFrameWithItsRepaint(benchmark::State& state) {
    PaintedGrid painted;
    painted.commands.addFrame();
    painted.commands.edit(vexilor::EditorCommands::PixelEdit::Invert);
    QImage image(vexilor::grid::kSide, vexilor::grid::kSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        painted.commands.showNextFrame();
        painted.grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NextFrameWithItsRepaint)->Unit(benchmark::kMicrosecond);

// One move of a drag with a tool, followed by the repaint of what the move made dirty:
// the cells that the preview turned on or off. The line swings between two ends far apart;
// the filled rectangle grows to the whole grid and shrinks again.
void BM_DragWithPreview(benchmark::State& state, vexilor::DrawingTool tool, QPoint from,
                        QPoint to) {
    PaintedGrid painted;
    QImage image(vexilor::grid::kSide, vexilor::grid::kSide, QImage::Format_ARGB32_Premultiplied);
    painted.grid.render(&image);
    painted.grid.tools().choose(tool);
    QRegion dirty;
    QObject::connect(&painted.grid.tools(), &vexilor::DrawingTools::previewChanged,
                     [&](const QRegion& cells) {
                         for (const QRect& rect : cells)
                             dirty += vexilor::grid::cellsRect(rect);
                     });
    painted.press(Qt::LeftButton, QPoint(0, 0));
    bool forth = false;
    for (auto _ : state) {
        forth = !forth;
        dirty = QRegion();
        painted.moveHolding(Qt::LeftButton, forth ? from : to);
        painted.grid.render(&image, dirty.boundingRect().topLeft(), dirty);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_DragWithPreview, line, vexilor::DrawingTool::Line, QPoint(63, 40),
                  QPoint(40, 63))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DragWithPreview, filledRectangle, vexilor::DrawingTool::FilledRectangle,
                  QPoint(63, 63), QPoint(40, 40))
    ->Unit(benchmark::kMicrosecond);

// The heap that the history's last 1000 steps hold: each edit of a 64 x 64 sprite keeps
// the pixels it changed.
void BM_MemoryOfAThousandSteps(benchmark::State& state) {
    using Edit = vexilor::EditorCommands::PixelEdit;
    for (auto _ : state) {
        state.PauseTiming();
        auto commands = std::make_unique<vexilor::EditorCommands>("/");
        commands->chooseWidth("64");
        commands->chooseHeight("64");
        commands->clear(vexilor::EditorCommands::From::Button);
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int step = 0; step < vexilor::EditorCommands::kHistorySteps; ++step)
            commands->edit(step % 2 == 0 ? Edit::Invert : Edit::MirrorLeftRight);
        state.counters["KiB"] = double(mallinfo2().uordblks - before) / 1024;
    }
}
BENCHMARK(BM_MemoryOfAThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
