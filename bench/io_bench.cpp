// Export and import of the largest font: 224 characters of 48 x 56, 75264 bytes, in every kind.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <sstream>

#include "bench_host.h"
#include "editor/editor.h"
#include "editor/font_settings.h"
#include "io/byte_notation.h"
#include "io/export.h"
#include "io/file_commit.h"
#include "io/firmware_font.h"
#include "io/font_reader.h"
#include "io/font_writer.h"

namespace pixmora {
namespace {

std::unique_ptr<Editor> LargestFont() {
    auto ed = std::make_unique<Editor>();
    ed->params.CellFormatName = "48 x 56";
    ed->params.CellWidth = 48;
    ed->params.CellHeight = 56;
    ed->params.BytesPerChar = kMaxBytesPerChar;
    ed->params.FontByteScan = kScanVertical1;
    std::mt19937 random(56);
    for (int i = 0; i < kFontBytes; ++i) {
        ed->font.FontImage[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(random());
    }
    return ed;
}

// Kinds 0..14: the three source formats times the five notations; 15: Intel HEX; 16..19: C
// header, BDF, Adafruit GFX and binary, which the readers of today do not take back.
constexpr int kHexKind = 15;
constexpr int kReadableKinds = 16;
constexpr int kKinds = 20;

std::string KindLabel(int kind) {
    if (kind >= kReadableKinds) {
        return kOutputFormats[kind - kReadableKinds + 4];
    }
    if (kind == kHexKind) {
        return "Intel HEX";
    }
    std::string label = kOutputFormats[kind / 5];
    label += ' ';
    label += kNumberNotations[kind % 5];
    return label;
}

// The firmware kinds as export writes them, with the art comments and the found baseline. The
// random font overflows GFX's 16-bit offsets, which export refuses; its writer is timed on it
// regardless, the worst case of its work.
std::string FirmwareText(const Editor& ed, int kind) {
    ExportSettings settings;
    settings.kind = static_cast<OutputFormat>(kind - kReadableKinds + 4);
    settings.art = true;
    ExportPlan plan{ExportRange{}, std::nullopt, "font48x56",
                    FoundBaselineRow(ed.font.FontImage, 48, 56, kScanVertical1, kMaxBytesPerChar)};
    return pixmora::ExportText(ed, settings, plan);
}

std::string ExportText(const Editor& ed, int kind) {
    if (kind >= kReadableKinds) {
        return FirmwareText(ed, kind);
    }
    const std::vector<std::uint8_t> bytes = ExportBytes(ed, ExportRange{}, ed.win.negative);
    std::ostringstream out;
    if (kind == kHexKind) {
        WriteIntelHex(out, bytes, 0x7FFF);
    } else {
        WriteSourceText(out, bytes, static_cast<OutputFormat>(kind / 5),
                        static_cast<NumberNotation>(kind % 5), ValuesPerLine(kMaxBytesPerChar));
    }
    return out.str();
}

void BM_ExportText(benchmark::State& state) {
    const auto ed = LargestFont();
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(KindLabel(kind));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportText(*ed, kind));
    }
    state.SetBytesProcessed(state.iterations() * kFontBytes);
}
BENCHMARK(BM_ExportText)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);

// The whole save: formatting plus the temporary file and its rename.
void BM_ExportToFile(benchmark::State& state) {
    const auto ed = LargestFont();
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(KindLabel(kind));
    const std::string path =
        (std::filesystem::temp_directory_path() / "pixmora_io_bench.out").string();
    for (auto _ : state) {
        if (CommitFile(path, ExportText(*ed, kind))) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * kFontBytes);
}
BENCHMARK(BM_ExportToFile)->DenseRange(0, kKinds - 1)->Unit(benchmark::kMillisecond);

void BM_ReadFontData(benchmark::State& state) {
    const auto ed = LargestFont();
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(KindLabel(kind));
    const std::string text = ExportText(*ed, kind);
    const std::string path = kind == kHexKind ? "font.hex" : "font.fnt";
    bench::BenchHost host;
    std::vector<std::uint8_t> destination(kImageSize);
    for (auto _ : state) {
        std::istringstream file(text);
        const ReadResult result = ReadFontData(path, file, destination, false, host);
        if (result.LastIndexRead + 1 != kFontBytes) {
            state.SkipWithError("the file did not read back whole");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * kFontBytes);
}
BENCHMARK(BM_ReadFontData)->DenseRange(0, kReadableKinds - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora
