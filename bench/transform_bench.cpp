// Changing the byte scan of a full 48 x 56 font and enlarging a full 6 x 8 font to 48 x 56: the
// two commands that rewrite every character at once.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "bench_host.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "transform/font_conversion.h"
#include "transform/scan_change.h"

namespace pixmora {
namespace {

// A font of the given format whose 224 characters are all drawn with random dots.
std::unique_ptr<Editor> FullFont(int formatIndex, int scan) {
    auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    ed->params.CellWidth = format.width;
    ed->params.CellHeight = format.height;
    ed->params.BytesPerChar = format.bytesPerChar;
    ed->params.FontByteScan = scan;
    ed->table.locked = false;
    std::mt19937 random(7);
    for (int i = 0; i < kCharCount * format.bytesPerChar; ++i) {
        ed->font.FontImage[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(random());
    }
    for (int index = 0; index < kCharCount; ++index) {
        SetDefinedLook(*ed, index);
    }
    return ed;
}

void BM_ChangeByteScan48x56(benchmark::State& state) {
    const auto ed = FullFont(8, kScanVertical1);
    bench::BenchHost host;
    const int scans[] = {kScanHorizontal1, kScanVertical2, kScanHorizontal2, kScanVertical1};
    int turn = 0;
    for (auto _ : state) {
        host.scanChoice = scans[turn++ % 4];
        ChangeByteScan(*ed, host);
        benchmark::DoNotOptimize(ed->font.FontImage.data());
    }
}
BENCHMARK(BM_ChangeByteScan48x56)->Unit(benchmark::kMillisecond);

void BM_ConvertFont6x8To48x56(benchmark::State& state) {
    const auto original = FullFont(0, state.range(0));
    const auto ed = std::make_unique<Editor>();
    for (auto _ : state) {
        state.PauseTiming();
        *ed = *original;
        state.ResumeTiming();
        ConvertFont(*ed, 8);
        benchmark::DoNotOptimize(ed->font.FontImage.data());
    }
}
BENCHMARK(BM_ConvertFont6x8To48x56)
    ->Arg(kScanVertical1)
    ->Arg(kScanVertical2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora
