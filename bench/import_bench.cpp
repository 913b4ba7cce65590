// Importing the largest font file: a whole 48 x 56 set of 75264 bytes written as source text, with
// its recognition against the model files of every format; the same set as a C header (a 2-D array
// with a comment per character, about 450 KB), read as source code and recognised; a 48 x 56 BDF
// font drawn into its cells.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "bench_host.h"
#include "editor/editor.h"
#include "editor/startup.h"
#include "import/bdf_import.h"
#include "import/import_font.h"
#include "import/recognise_font.h"
#include "import/recognition.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "io/source_arrays.h"
#include "model/code_page.h"

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

// const uint8_t font48x56[224][336] = { { 0x00, ... },  // code 32 ... };
void WriteCHeader(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                  int bytesPerChar) {
    std::ofstream file(path, std::ios::binary);
    const auto perChar = static_cast<std::size_t>(bytesPerChar);
    file << "// 48 x 56 font\n#include <stdint.h>\n\nconst uint8_t font48x56[224][336] = {\n";
    char value[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(value, sizeof value, "0x%02X", bytes[i]);
        file << (i % perChar == 0 ? "    { " : ", ") << value;
        if ((i + 1) % perChar == 0) {
            file << " },  // code " << 32 + i / perChar << "\n";
        }
    }
    file << "};\n";
}

// A program directory with a model file for every format and the font file. The font is noise whose
// test characters are row 0 of the 48 x 56 models, so it is recognised and loaded; every trial runs
// to its end whatever the glyphs are.
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
        const int largest = *FormatIndex(48, 56);
        for (int n = 0; n < kFormatCount; ++n) {
            const int bytesPerChar = kCellFormats[static_cast<std::size_t>(n)].bytesPerChar;
            auto model = RandomBytes(random, 64 * bytesPerChar);
            if (n == largest) {
                FormModelRow(*ed, model, 0);
            }
            WriteText(dir / "Model" / ModelFileName(n), model, bytesPerChar);
        }
        font = (dir / "Font48x56v1p.fnt").string();
        WriteText(font, fontBytes, 336);
        header = (dir / "font48x56.h").string();
        WriteCHeader(header, fontBytes, 336);
    }
    ~ImportScene() { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string font;
    std::string header;
};

// A BDF font of all 224 characters in full 48 x 56 cells, encoded by their Unicode characters
// (code 0x98, which names none, is left out), every dot row written in 12 hexadecimal digits.
std::vector<std::uint8_t> Bdf48x56(std::mt19937& random) {
    std::ostringstream out;
    out << "STARTFONT 2.1\nFONT -bench-fixed\nSIZE 56 75 75\nFONTBOUNDINGBOX 48 56 0 -8\n"
           "STARTPROPERTIES 2\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\n"
           "ENDPROPERTIES\nCHARS 223\n";
    for (int code = kFirstCode; code < 256; ++code) {
        const std::optional<char32_t> character = UnicodeOfCode(code);
        if (!character) {
            continue;
        }
        out << "STARTCHAR c" << code << "\nENCODING " << static_cast<unsigned>(*character)
            << "\nSWIDTH 500 0\nDWIDTH 48 0\nBBX 48 56 0 -8\nBITMAP\n";
        for (int row = 0; row < 56; ++row) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%06X%06X\n",
                          static_cast<unsigned>(random() & 0xFFFFFFU),
                          static_cast<unsigned>(random() & 0xFFFFFFU));
            out << digits;
        }
        out << "ENDCHAR\n";
    }
    out << "ENDFONT\n";
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

// The text checked, the font opened by FreeType and every character drawn into its cell and
// packed: the import of a BDF file less the file's reading.
void BM_ReadBdf48x56(benchmark::State& state) {
    std::mt19937 random(7);
    const std::vector<std::uint8_t> bdf = Bdf48x56(random);
    for (auto _ : state) {
        BdfImport read = ReadBdfBytes(bdf, {});
        benchmark::DoNotOptimize(read.bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bdf.size());
}
BENCHMARK(BM_ReadBdf48x56)->Unit(benchmark::kMillisecond);

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

// The same font as a C header: the source-text syntax refuses it, the lexer reads the array, and
// recognition runs at the one start its length allows.
void BM_RecogniseCHeader48x56(benchmark::State& state) {
    const ImportScene scene;
    bench::BenchHost host;
    host.programDir = scene.dir.string();
    for (auto _ : state) {
        const FontRecognition found = RecogniseFont(scene.header, host);
        benchmark::DoNotOptimize(found.found.bestScore);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(scene.header));
}
BENCHMARK(BM_RecogniseCHeader48x56)->Unit(benchmark::kMillisecond);

void BM_FindSourceArrays48x56(benchmark::State& state) {
    const ImportScene scene;
    std::ifstream file(scene.header, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    for (auto _ : state) {
        const SourceArrays found = FindSourceArrays(text);
        benchmark::DoNotOptimize(found.arrays.data());
    }
}
BENCHMARK(BM_FindSourceArrays48x56)->Unit(benchmark::kMillisecond);

void BM_RecogniseData48x56(benchmark::State& state) {
    std::mt19937 random(23);
    const auto data = RandomBytes(random, kFontBytes);
    std::vector<std::vector<std::uint8_t>> models;
    std::array<std::span<const std::uint8_t>, kFormatCount> spans;
    for (int n = 0; n < kFormatCount; ++n) {
        models.push_back(RandomBytes(random, kModelBufferSize));
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
