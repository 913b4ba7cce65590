// Unpacking and packing one 48 x 56 character, the work of every selection and every tool.
#include <benchmark/benchmark.h>

#include <random>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora {
namespace {

void FillRandom(Editor& ed) {
    std::mt19937 random(7);
    for (int i = 0; i < 336; ++i) {
        ed.font.FontImage[i] = static_cast<std::uint8_t>(random());
    }
}

void BM_ShowGlyph48x56(benchmark::State& state) {
    const int scan = static_cast<int>(state.range(0));
    Editor ed;
    FillRandom(ed);
    for (auto _ : state) {
        ShowGlyph(ed.font, 0, 336, 48, scan);
        benchmark::DoNotOptimize(ed.font.DotGrid.data());
    }
}
BENCHMARK(BM_ShowGlyph48x56)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_PackGlyph48x56(benchmark::State& state) {
    const int scan = static_cast<int>(state.range(0));
    Editor ed;
    FillRandom(ed);
    ShowGlyph(ed.font, 0, 336, 48, scan);
    for (auto _ : state) {
        PackGlyph(ed.font, 0, 48, 56, scan);
        benchmark::DoNotOptimize(ed.font.FontImage.data());
    }
}
BENCHMARK(BM_PackGlyph48x56)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pixmora
