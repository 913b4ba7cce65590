// Our firmware files read by the tools that consume them: the C header compiled by gcc and clang
// as C99 and C++, the BDF font through bdftopcf and FreeType's BDF driver, the GFX header drawn
// the way Adafruit GFX draws text.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <memory>
#include <sstream>

#include "consumer_support.h"
#include "io/export.h"
#include "io/firmware_font.h"
#include "model/code_page.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"

namespace pixmora::test {
namespace {

constexpr const char* kStrict = " -Wall -Wextra -Werror -pedantic";

struct Compiler {
    const char* name;
    const char* command;
};
constexpr Compiler kCompilers[] = {
    {"GccC99", "gcc -std=c99 -x c"},
    {"ClangC99", "clang -std=c99 -x c"},
    {"GxxCxx17", "g++ -std=c++17 -x c++"},
    {"ClangxxCxx17", "clang++ -std=c++17 -x c++"},
};

// Parameters named in the test list by what they are, not by their bytes.
void PrintTo(const Compiler& compiler, std::ostream* out) {
    *out << compiler.command;
}

struct Exported {
    std::string name;
    std::string text;
    ExportPlan plan;
    std::vector<std::uint8_t> bytes;  // as ExportBytes gives them
};

Exported ExportWith(const Editor& ed, const ExportSettings& settings) {
    FakeHost host;
    const std::optional<ExportPlan> plan = PlanExport(ed, settings, host);
    EXPECT_TRUE(plan.has_value()) << (host.messages.empty() ? "" : host.messages[0].text);
    if (!plan) {
        return {};
    }
    return {plan->arrayName, ExportText(ed, settings, *plan), *plan,
            ExportBytes(ed, plan->range, settings.negative)};
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
    std::string text;
    char digits[3];
    for (const std::uint8_t value : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", value);
        text += digits;
    }
    return text;
}

class CompiledTest : public ScratchDirTest, public ::testing::WithParamInterface<Compiler> {
  protected:
    // Compiles main.c of the scratch directory with the strict flags and runs it.
    ToolRun CompileAndRun(const std::string& extraFlags) {
        const ToolRun compiled = RunTool("cd " + Dir() + " && " + GetParam().command + kStrict +
                                         extraFlags + " main.c -o program");
        EXPECT_EQ(compiled.status, 0) << compiled.out;
        EXPECT_EQ(compiled.out, "");
        if (compiled.status != 0) {
            return compiled;
        }
        return RunTool(PathOf("program"));
    }
};

std::string CompilerName(const ::testing::TestParamInfo<Compiler>& info) {
    return info.param.name;
}

// --- C header --------------------------------------------------------------------------------

using CHeaderTest = CompiledTest;

TEST_P(CHeaderTest, PrintsTheExportedBytesForEveryFormatScanPolarityAndAPartialRange) {
    std::string program = "#include <stdio.h>\n";
    std::string calls;
    std::string expected;
    int n = 0;
    const auto add = [&](const Editor& ed, ExportSettings settings) {
        settings.kind = OutputFormat::CHeader;
        settings.arrayName = "font_case" + std::to_string(n);
        settings.art = n % 2 == 1;
        settings.placement = static_cast<FlashPlacement>(n % 3);
        const Exported out = ExportWith(ed, settings);
        WriteWholeFile(PathOf(out.name + ".h"), out.text);
        const std::string macro = MacroPrefix(out.name);
        program += "#include \"" + out.name + ".h\"\n";
        calls += "    Print(\"" + out.name + "\", " + out.name + ", sizeof " + out.name + ", " +
                 macro + "_WIDTH, " + macro + "_HEIGHT, " + macro + "_BYTES_PER_CHAR, " + macro +
                 "_FIRST_CODE, " + macro + "_COUNT, " + macro + "_SCAN, " + macro + "_NEGATIVE);\n";
        std::ostringstream line;
        line << out.name << ' ' << ed.params.CellWidth << ' ' << ed.params.CellHeight << ' '
             << ed.params.BytesPerChar << ' ' << out.plan.range.first + kFirstCode << ' '
             << out.plan.range.last - out.plan.range.first + 1 << ' '
             << ScanShortName(ed.params.FontByteScan) << ' ' << settings.negative << ' '
             << HexOf(out.bytes) << '\n';
        expected += line.str();
        ++n;
    };
    const auto ed = std::make_unique<Editor>();
    for (const FormatScan& fs : EveryFormatAndScan()) {
        for (const bool negative : {false, true}) {
            OpenRandomFont(*ed, fs.format, fs.scan, static_cast<unsigned>(n));
            ExportSettings settings;
            settings.negative = negative;
            add(*ed, settings);
        }
    }
    OpenRandomFont(*ed, 4, kScanHorizontal1, 99);
    ExportSettings partial;
    partial.incompleteSet = true;
    partial.firstCode = "150";
    partial.lastCode = "200";
    partial.negative = true;
    add(*ed, partial);

    program +=
        "static void Print(const char* name, const uint8_t* bytes, size_t size, int width,\n"
        "                  int height, int perChar, int first, int count, const char* scan,\n"
        "                  int negative) {\n"
        "    size_t i;\n"
        "    if (size != (size_t)perChar * (size_t)count) return;\n"
        "    printf(\"%s %d %d %d %d %d %s %d \", name, width, height, perChar, first, count,\n"
        "           scan, negative);\n"
        "    for (i = 0; i < size; ++i) printf(\"%02X\", bytes[i]);\n"
        "    printf(\"\\n\");\n"
        "}\n"
        "int main(void) {\n" +
        calls + "    return 0;\n}\n";
    WriteWholeFile(PathOf("main.c"), program);
    const ToolRun run = CompileAndRun("");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(run.out == expected) << "the program printed other bytes";
}

INSTANTIATE_TEST_SUITE_P(Compilers, CHeaderTest, ::testing::ValuesIn(kCompilers), CompilerName);

// --- Adafruit GFX ------------------------------------------------------------------------------

struct GfxCase {
    Compiler compiler;
    bool declareStructs;
};

void PrintTo(const GfxCase& c, std::ostream* out) {
    *out << c.compiler.command << (c.declareStructs ? ", structs declared" : ", gfxfont.h");
}

class GfxHeaderTest : public ScratchDirTest, public ::testing::WithParamInterface<GfxCase> {};

// The text "drawn" is the whole range, one character after another from the left edge, with the
// cursor on the baseline: each canvas row is then the characters' rows side by side.
TEST_P(GfxHeaderTest, TextDrawnTheLibrarysWayShowsTheFontsDots) {
    std::string program = "#include <stdio.h>\n";
    std::string calls;
    std::string expected;
    const auto ed = std::make_unique<Editor>();
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        const int width = kCellFormats[static_cast<std::size_t>(format)].width;
        const int scan = ScanOffered(width, format % kScanCount) ? format % kScanCount : 0;
        OpenRandomFont(*ed, format, scan, static_cast<unsigned>(format) + 40);
        ExportSettings settings;
        settings.kind = OutputFormat::Gfx;
        settings.arrayName = "gfx_case" + std::to_string(format);
        settings.negative = format % 2 == 1;
        settings.gfxStructs = GetParam().declareStructs;
        if (format % 3 == 0) {
            settings.baselineRow = std::to_string(ed->params.CellHeight / 3);
        }
        if (format == 4) {
            settings.incompleteSet = true;
            settings.firstCode = "190";
            settings.lastCode = "255";
        }
        const Exported out = ExportWith(*ed, settings);
        WriteWholeFile(PathOf(out.name + ".h"), out.text);
        program += "#include \"" + out.name + ".h\"\n";
        calls += "    Show(&" + out.name + ", \"" + out.name + "\", " +
                 std::to_string(ed->params.CellHeight) + ", " +
                 std::to_string(out.plan.baselineRow + 1) + ");\n";
        expected += out.name + "\n";
        for (int row = 0; row < ed->params.CellHeight; ++row) {
            for (int index = out.plan.range.first; index <= out.plan.range.last; ++index) {
                const std::span<const std::uint8_t> glyph =
                    CharGlyph(ed->font.FontImage, index, ed->params.BytesPerChar);
                for (int column = 0; column < width; ++column) {
                    expected += GlyphDot(glyph, scan, width, row, column) ? '#' : '.';
                }
            }
            expected += '\n';
        }
    }
    program +=
        "static char canvas[56][48 * 224 + 1];\n"
        "static void Pixel(int x, int y) { canvas[y][x] = '#'; }\n"
        "static void DrawChar(const GFXfont* font, int* cursor, int y, unsigned char c) {\n"
        "    const GFXglyph* glyph = &font->glyph[c - font->first];\n"
        "    const uint8_t* bitmap = font->bitmap;\n"
        "    unsigned bo = glyph->bitmapOffset;\n"
        "    uint8_t bits = 0, bit = 0;\n"
        "    for (int yy = 0; yy < glyph->height; yy++) {\n"
        "        for (int xx = 0; xx < glyph->width; xx++) {\n"
        "            if (!(bit++ & 7)) bits = bitmap[bo++];\n"
        "            if (bits & 0x80) Pixel(*cursor + glyph->xOffset + xx, y + glyph->yOffset + "
        "yy);\n"
        "            bits <<= 1;\n"
        "        }\n"
        "    }\n"
        "    *cursor += glyph->xAdvance;\n"
        "}\n"
        "static void Show(const GFXfont* font, const char* name, int height, int y) {\n"
        "    int cursor = 0;\n"
        "    for (int row = 0; row < height; ++row) {\n"
        "        for (int x = 0; x < 48 * 224; ++x) canvas[row][x] = '.';\n"
        "    }\n"
        "    for (int c = font->first; c <= font->last; ++c) DrawChar(font, &cursor, y, "
        "(unsigned char)c);\n"
        "    printf(\"%s\\n\", name);\n"
        "    for (int row = 0; row < height; ++row) {\n"
        "        canvas[row][cursor] = 0;\n"
        "        printf(\"%s\\n\", canvas[row]);\n"
        "    }\n"
        "}\n"
        "int main() {\n" +
        calls + "    return 0;\n}\n";
    WriteWholeFile(PathOf("main.c"), program);
    const std::string include =
        GetParam().declareStructs ? "" : " -I" + std::string(PIXMORA_GFX_DECLARATIONS_DIR);
    const ToolRun compiled = RunTool("cd " + Dir() + " && " + GetParam().compiler.command +
                                     kStrict + include + " main.c -o program");
    ASSERT_EQ(compiled.status, 0) << compiled.out;
    const ToolRun run = RunTool(PathOf("program"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(run.out == expected) << "the drawn text differs from the font";
}

INSTANTIATE_TEST_SUITE_P(
    Compilers, GfxHeaderTest,
    ::testing::Values(GfxCase{kCompilers[2], false}, GfxCase{kCompilers[3], false},
                      GfxCase{kCompilers[2], true}, GfxCase{kCompilers[3], true}),
    [](const ::testing::TestParamInfo<GfxCase>& info) {
        return std::string(info.param.compiler.name) +
               (info.param.declareStructs ? "DeclaringTheStructs" : "IncludingGfxfont");
    });

// --- BDF -------------------------------------------------------------------------------------

struct BdfCase {
    int format;
    BdfEncoding encoding;
};

void PrintTo(const BdfCase& c, std::ostream* out) {
    *out << kCellFormats[static_cast<std::size_t>(c.format)].name
         << (c.encoding == BdfEncoding::Unicode ? ", Unicode" : ", Windows-1251");
}

class BdfTest : public ScratchDirTest, public ::testing::WithParamInterface<BdfCase> {};

std::string BdfProperty(FT_Face face, const char* name) {
    BDF_PropertyRec property;
    if (FT_Get_BDF_Property(face, name, &property) != 0) {
        return "(none)";
    }
    if (property.type == BDF_PROPERTY_TYPE_ATOM) {
        return property.u.atom != nullptr ? property.u.atom : "";
    }
    return std::to_string(property.type == BDF_PROPERTY_TYPE_INTEGER ? property.u.integer
                                                                     : property.u.cardinal);
}

TEST_P(BdfTest, BdftopcfAcceptsItAndFreeTypeReadsEveryDotBack) {
    const auto [format, encoding] = GetParam();
    const CellFormat& cell = kCellFormats[static_cast<std::size_t>(format)];
    const int scan = ScanOffered(cell.width, kScanHorizontal2) ? kScanHorizontal2 : kScanVertical2;
    const auto ed = std::make_unique<Editor>();
    OpenRandomFont(*ed, format, scan, static_cast<unsigned>(format) + 70);
    ExportSettings settings;
    settings.kind = OutputFormat::Bdf;
    settings.bdfEncoding = encoding;
    settings.negative = format % 2 == 0;
    const Exported out = ExportWith(*ed, settings);
    const std::string bdf = PathOf("font.bdf");
    WriteWholeFile(bdf, out.text);

    const ToolRun pcf = RunTool("bdftopcf -o " + PathOf("font.pcf") + " " + bdf);
    EXPECT_EQ(pcf.status, 0);
    EXPECT_EQ(pcf.out, "");

    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    const std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)> libraryOwner(
        library, FT_Done_FreeType);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, bdf.c_str(), 0, &face), 0);
    const std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)> faceOwner(face, FT_Done_Face);
    EXPECT_EQ(BdfProperty(face, "PIXMORA_FORMAT"), cell.name);
    EXPECT_EQ(BdfProperty(face, "PIXMORA_SCAN"), ScanShortName(scan));
    EXPECT_EQ(BdfProperty(face, "PIXMORA_NEGATIVE"), settings.negative ? "1" : "0");
    if (encoding == BdfEncoding::CodePage) {
        ASSERT_GT(face->num_charmaps, 0);
        ASSERT_EQ(FT_Set_Charmap(face, face->charmaps[0]), 0);
    } else {
        ASSERT_EQ(FT_Select_Charmap(face, FT_ENCODING_UNICODE), 0);
    }
    const int ascent = out.plan.baselineRow + 1;
    for (int index = 0; index < kCharCount; ++index) {
        const int code = index + kFirstCode;
        const std::optional<char32_t> unicode = UnicodeOfCode(code);
        if (encoding == BdfEncoding::Unicode && !unicode) {
            continue;
        }
        const FT_ULong key = encoding == BdfEncoding::Unicode ? *unicode : FT_ULong(code);
        const FT_UInt glyphIndex = FT_Get_Char_Index(face, key);
        ASSERT_NE(glyphIndex, 0U) << code;
        ASSERT_EQ(FT_Load_Glyph(face, glyphIndex, FT_LOAD_DEFAULT), 0) << code;
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        ASSERT_EQ(static_cast<int>(bitmap.width), cell.width);
        ASSERT_EQ(static_cast<int>(bitmap.rows), cell.height);
        EXPECT_EQ(face->glyph->bitmap_top, ascent);
        EXPECT_EQ(face->glyph->advance.x >> 6, cell.width);
        const std::span<const std::uint8_t> glyph =
            CharGlyph(ed->font.FontImage, index, cell.bytesPerChar);
        int differing = 0;
        for (int row = 0; row < cell.height; ++row) {
            for (int column = 0; column < cell.width; ++column) {
                const std::uint8_t byte = bitmap.buffer[row * bitmap.pitch + column / 8];
                const bool lit = (byte & (0x80 >> (column % 8))) != 0;
                differing += lit != GlyphDot(glyph, scan, cell.width, row, column);
            }
        }
        EXPECT_EQ(differing, 0) << "code " << code;
    }
}

std::vector<BdfCase> EveryFormatAndEncoding() {
    std::vector<BdfCase> cases;
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        cases.push_back({format, BdfEncoding::Unicode});
        cases.push_back({format, BdfEncoding::CodePage});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Formats, BdfTest, ::testing::ValuesIn(EveryFormatAndEncoding()),
                         [](const ::testing::TestParamInfo<BdfCase>& info) {
                             std::string name(
                                 kCellFormats[static_cast<std::size_t>(info.param.format)].name);
                             std::erase(name, ' ');
                             return name + (info.param.encoding == BdfEncoding::Unicode ? "Unicode"
                                                                                        : "Cp1251");
                         });

}  // namespace
}  // namespace pixmora::test
