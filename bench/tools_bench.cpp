// The largest fill there is: the whole inside of a 48 x 56 cell framed by its own border dots,
// 2484 dots, with the packing and the undo step that follow it.
#include <benchmark/benchmark.h>

#include "bench_host.h"
#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/undo_history.h"
#include "model/glyph_packing.h"
#include "tools/flood_fill.h"

namespace pixmora {
namespace {

void OpenFramedCell(Editor& ed, int scan) {
    ed.params = {"48 x 56", 48, 56, 336, scan, kLit};
    ShowCellArea(ed.font, 48, 56);
    PaintCellBackground(ed, 48, 56);
    for (int row = 0; row < 56; ++row) {
        for (int column = 0; column < 48; ++column) {
            if (row == 0 || row == 55 || column == 0 || column == 47) {
                const int dot = DotIndex(row, column);
                ed.font.DotGrid[dot] = kLit;
                ed.font.DotColour[dot] = InkOnBackground(ed.font.DotBackColor[dot]);
            }
        }
    }
    PackGlyph(ed.font, 0, 48, 56, scan);
    ResetUndoHistory(ed);
}

void BM_FloodFillWholeCell48x56(benchmark::State& state) {
    Editor ed;
    bench::BenchHost host;
    OpenFramedCell(ed, static_cast<int>(state.range(0)));
    const auto grid = ed.font.DotGrid;
    const auto colours = ed.font.DotColour;
    for (auto _ : state) {
        FloodFill(ed, host, DotIndex(27, 23));
        benchmark::DoNotOptimize(ed.font.FontImage.data());
        state.PauseTiming();
        ed.font.DotGrid = grid;
        ed.font.DotColour = colours;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FloodFillWholeCell48x56)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixmora
