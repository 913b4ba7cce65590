// Drawing a whole font file into the cells, as "Из шрифта…" and `pixmora-cli rasterise` do.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "commands/from_font_dialog.h"
#include "editor/editor.h"
#include "fontfile/rasterise.h"

namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// Draws the font with the options the benchmark's arguments give: a format, and a size or none.
void RasteriseRuns(benchmark::State& state, std::optional<int> size) {
    if (!std::filesystem::exists(kDejaVuSans)) {
        state.SkipWithError("fonts-dejavu-core is not installed");
        return;
    }
    const pixmora::FreeTypeLibrary library;
    pixmora::FontFace face = pixmora::FontFace::Open(library, kDejaVuSans);
    pixmora::RasteriseOptions options;
    options.formatIndex = static_cast<int>(state.range(0));
    options.size = size;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pixmora::RasteriseFont(face, options));
    }
}

// All 224 characters of DejaVu Sans into a format (index), the size found automatically.
void BM_RasteriseDejaVuSans(benchmark::State& state) {
    RasteriseRuns(state, std::nullopt);
}
BENCHMARK(BM_RasteriseDejaVuSans)->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond);

// The same at the size given, without the search for the automatic size.
void BM_RasteriseDejaVuSansAtSize(benchmark::State& state) {
    RasteriseRuns(state, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_RasteriseDejaVuSansAtSize)->Args({8, 44})->Args({1, 7})->Unit(benchmark::kMillisecond);

// One refresh of the dialog's preview after a change of an option: 48 x 56, the face kept.
void BM_PreviewRefresh48x56(benchmark::State& state) {
    if (!std::filesystem::exists(kDejaVuSans)) {
        state.SkipWithError("fonts-dejavu-core is not installed");
        return;
    }
    const auto ed = std::make_unique<pixmora::Editor>();
    pixmora::FromFontDialogState dialog = pixmora::OpenFromFontDialog(*ed);
    dialog.path = kDejaVuSans;
    dialog.formatIndex = 8;
    pixmora::RefreshPreview(dialog);
    for (auto _ : state) {
        dialog.bold = !dialog.bold;
        pixmora::RefreshPreview(dialog);
        benchmark::DoNotOptimize(dialog.preview);
    }
}
BENCHMARK(BM_PreviewRefresh48x56)->Unit(benchmark::kMillisecond);

}  // namespace
