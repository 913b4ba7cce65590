// Importing the largest font file: a whole 48 x 56 set of 75264 bytes written as source text, with
// its recognition against the nine model files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "bench_host.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/import_font.h"
#include "import/recognise_font.h"
#include "io/font_writer.h"
#include "io/model_file.h"

namespace pixmora {
namespace {

std::vector<std::uint8_t> RandomBytes(std::mt19937& random, int count) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

void WriteText(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               int bytesPerChar) {
    std::ofstream file(path, std::ios::binary);
    WriteSourceText(file, bytes, OutputFormat::DataCode, NumberNotation::AmpH,
                    ValuesPerLine(bytesPerChar));
}

// A program directory with nine model files and the font file. The font is noise whose test
// characters are row 0 of the 48 x 56 models, so it is recognised and loaded; every trial runs to
// its end whatever the glyphs are.
struct ImportScene {
    ImportScene() {
        dir = std::filesystem::temp_directory_path() / "pixmora_import_bench";
        std::filesystem::create_directories(dir / "Model");
        std::mt19937 random(17);
        const auto fontBytes = RandomBytes(random, kFontBytes);
        auto ed = std::make_unique<Editor>();
        ed->params.CellWidth = 48;
        ed->params.CellHeight = 56;
        ed->params.BytesPerChar = 336;
        ed->params.FontByteScan = kScanVertical1;
        std::copy(fontBytes.begin(), fontBytes.end(), ed->font.FontImage.begin());
        for (int n = 0; n < 9; ++n) {
            const int bytesPerChar = kCellFormats[static_cast<std::size_t>(n)].bytesPerChar;
            auto model = RandomBytes(random, 64 * bytesPerChar);
            if (n == 8) {
                FormModelRow(*ed, model, 0);
            }
            WriteText(dir / "Model" / ModelFileName(n), model, bytesPerChar);
        }
        font = (dir / "Font48x56v1p.fnt").string();
        WriteText(font, fontBytes, 336);
    }
    ~ImportScene() { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string font;
};

void BM_ImportFont48x56(benchmark::State& state) {
    const ImportScene scene;
    bench::BenchHost host;
    host.programDir = scene.dir.string();
    host.openResult = scene.font;
    auto ed = std::make_unique<Editor>();
    StartUp(*ed);
    for (auto _ : state) {
        ImportFont(*ed, host);
        benchmark::DoNotOptimize(ed->font.FontImage.data());
    }
}
BENCHMARK(BM_ImportFont48x56)->Unit(benchmark::kMillisecond);

void BM_RecogniseFont48x56(benchmark::State& state) {
    const ImportScene scene;
    bench::BenchHost host;
    host.programDir = scene.dir.string();
    host.openResult = scene.font;
    for (auto _ : state) {
        const FontRecognition found = RecogniseFont(scene.font, host);
        benchmark::DoNotOptimize(found.found.bestScore);
    }
}
BENCHMARK(BM_RecogniseFont48x56)->Unit(benchmark::kMillisecond);

void BM_RecogniseData48x56(benchmark::State& state) {
    std::mt19937 random(23);
    const auto data = RandomBytes(random, kFontBytes);
    std::vector<std::vector<std::uint8_t>> models;
    std::array<std::span<const std::uint8_t>, kFormatCount> spans;
    for (int n = 0; n < kFormatCount; ++n) {
        models.push_back(RandomBytes(random, kModelBufferBytes));
        spans[static_cast<std::size_t>(n)] = models.back();
    }
    for (auto _ : state) {
        const Recognition found = RecogniseData(data, spans);
        benchmark::DoNotOptimize(found.bestScore);
    }
}
BENCHMARK(BM_RecogniseData48x56)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora
