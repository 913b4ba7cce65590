// The font finder over firmware images of 64 KiB, 1 MiB and 8 MiB: compiled AVR machine code with
// 0x00 and 0xFF fill (devtools/finder_images) and one 8 x 8 font drawn from DejaVu Sans Mono in
// the middle, searched in every format, scan and polarity with the shipped model files.
#include <benchmark/benchmark.h>

#include <random>

#include "bench_host.h"
#include "finder_images.h"
#include "import/font_finder.h"
#include "io/font_reader.h"
#include "io/model_file.h"

namespace pixmora {
namespace {

using namespace finder_images;

struct ShippedModelFiles {
    ShippedModelFiles() {
        bench::BenchHost host;
        files.reserve(kFormatCount);  // the spans point into the files
        for (int n = 0; n < kFormatCount; ++n) {
            files.push_back(
                ReadModelFile(std::string(PIXMORA_MODEL_DIR "/") + ModelFileName(n), host));
            bytes[static_cast<std::size_t>(n)] = files.back().ModelBuffer;
        }
    }
    std::vector<ModelFileData> files;
    ModelBytes bytes;
};

void BM_FindFonts(benchmark::State& state) {
    static const ShippedModelFiles models;
    const Bytes code = MachineCode();
    if (code.empty()) {
        state.SkipWithError("no AVR object code (avr-libc)");
        return;
    }
    const auto size = static_cast<std::size_t>(state.range(0));
    const DrawnFont font = DrawFont("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", 1);
    const Bytes table = TableBytes(font.byScan[kScanVertical1], 8, {32, 255}, false);
    std::mt19937 random(11);
    const TestImage test = EmbedTables(code, {{table, {}}}, random, (size - table.size()) / 2,
                                       (size - table.size()) / 2);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<FoundFont> candidates = FindFonts(test.image, models.bytes);
        found = candidates.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["candidates"] = static_cast<double>(found);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(test.image.segments[0].bytes.size()));
}
BENCHMARK(BM_FindFonts)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Arg(8 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace pixmora
