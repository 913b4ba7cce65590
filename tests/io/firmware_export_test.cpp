// The firmware kinds of export: the names the window and the save dialog show, the self-describing
// lines the input side reads back, the baseline row, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "editor/font_settings.h"
#include "io/export.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

using test::FakeHost;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string Exported(const Editor& ed, const ExportSettings& settings) {
    FakeHost host;
    const std::optional<ExportPlan> plan = PlanExport(ed, settings, host);
    return plan ? ExportText(ed, settings, *plan) : std::string();
}

TEST(FirmwareExport, KindsFollowTheFourOfTodayWithTheirNamesAndFilters) {
    const struct {
        const char* name;
        OutputFormat kind;
        const char* filter;
    } kinds[] = {
        {"Заголовок C", OutputFormat::CHeader, "Заголовок C |*.h"},
        {"Шрифт BDF", OutputFormat::Bdf, "Шрифт BDF |*.bdf"},
        {"Adafruit GFX", OutputFormat::Gfx, "Adafruit GFX |*.h"},
        {"Двоичный файл", OutputFormat::Binary, "Двоичный файл |*.bin"},
    };
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        EXPECT_STREQ(kOutputFormats[4 + i], kinds[i].name);
        EXPECT_EQ(OutputFormatFromText(kinds[i].name), kinds[i].kind);
        EXPECT_EQ(ExportFilter(kinds[i].kind), kinds[i].filter);
    }
}

TEST(FirmwareExport, CHeaderDescribesItselfRightAfterStdint) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 4, kScanHorizontal1);
    ExportSettings settings;
    settings.kind = OutputFormat::CHeader;
    settings.negative = true;
    settings.incompleteSet = true;
    settings.firstCode = "192";
    settings.lastCode = "193";
    const std::vector<std::string> lines = Lines(Exported(*ed, settings));
    const auto include = std::find(lines.begin(), lines.end(), "#include <stdint.h>");
    ASSERT_LT(std::distance(include, lines.end()), static_cast<long>(lines.size()));
    const std::vector<std::string> macros(include + 1, include + 8);
    EXPECT_EQ(macros, (std::vector<std::string>{
                          "#define FONT16X24_WIDTH 16", "#define FONT16X24_HEIGHT 24",
                          "#define FONT16X24_BYTES_PER_CHAR 48", "#define FONT16X24_FIRST_CODE 192",
                          "#define FONT16X24_COUNT 2", "#define FONT16X24_SCAN \"h1\"",
                          "#define FONT16X24_NEGATIVE 1"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "static const uint8_t font16x24[96] = {"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "    /* 0xC1 'Б' */"), lines.end());
}

TEST(FirmwareExport, BdfCountsItsGlyphsAndLeavesOutTheCodeWithoutACharacter) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 2, kScanVertical2);
    ExportSettings settings;
    settings.kind = OutputFormat::Bdf;
    for (const BdfEncoding encoding : {BdfEncoding::Unicode, BdfEncoding::CodePage}) {
        settings.bdfEncoding = encoding;
        const std::vector<std::string> lines = Lines(Exported(*ed, settings));
        const long glyphs = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind("STARTCHAR ", 0) == 0;
        });
        const bool unicode = encoding == BdfEncoding::Unicode;
        EXPECT_EQ(glyphs, unicode ? 223 : 224);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "CHARS " + std::to_string(glyphs)),
                  lines.end());
        EXPECT_EQ(std::find(lines.begin(), lines.end(), "ENCODING -1"), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), unicode ? "ENCODING 1040" : "ENCODING 192"),
                  lines.end());
        for (const char* property :
             {"PIXMORA_FORMAT \"12 x 16\"", "PIXMORA_SCAN \"v2\"", "PIXMORA_NEGATIVE 0",
              unicode ? "CHARSET_REGISTRY \"ISO10646\"" : "CHARSET_ENCODING \"CP1251\""}) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), property), lines.end()) << property;
        }
        // 12 dots take two bytes: four hex digits a row.
        const auto bitmap = std::find(lines.begin(), lines.end(), "BITMAP");
        ASSERT_NE(bitmap, lines.end());
        EXPECT_EQ(bitmap[1], "0000");
        EXPECT_EQ(lines.back(), "ENDFONT");
    }
}

TEST(FirmwareExport, BaselineRowIsWhereMostCapitalsEnd) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 1, kScanHorizontal1);
    const auto baseline = [&] {
        return FoundBaselineRow(ed->font.FontImage, 8, 8, kScanHorizontal1, 8);
    };
    EXPECT_EQ(baseline(), 6);  // nothing drawn: above the one-dot margin
    for (const int code : {int{'A'}, int{'B'}, 0xC0}) {
        SetGlyphDot(test::CharBytes(*ed, code - kFirstCode), kScanHorizontal1, 8, 5, 0, true);
    }
    SetGlyphDot(test::CharBytes(*ed, 'Q' - kFirstCode), kScanHorizontal1, 8, 7, 0, true);
    SetGlyphDot(test::CharBytes(*ed, 'g' - kFirstCode), kScanHorizontal1, 8, 7, 0, true);
    EXPECT_EQ(baseline(), 5);
}

TEST(FirmwareExport, RefusesBadNamesRowsAndAGfxFontBeyondItsOffsets) {
    const auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 8, kScanVertical1);
    std::fill_n(ed->font.FontImage.begin(), kCharCount * 336, std::uint8_t{0xFF});
    const struct {
        OutputFormat kind;
        const char* name;
        const char* row;
        std::string_view refusal;
    } cases[] = {
        {OutputFormat::CHeader, "9font", "", kArrayNameRefused},
        {OutputFormat::Gfx, "font-1", "", kArrayNameRefused},
        {OutputFormat::Bdf, "", "56", kBaselineRefused},
        {OutputFormat::Gfx, "", "x", kBaselineRefused},
        {OutputFormat::Gfx, "", "", kGfxTooLarge},
    };
    for (const auto& c : cases) {
        ExportSettings settings;
        settings.kind = c.kind;
        settings.arrayName = c.name;
        settings.baselineRow = c.row;
        FakeHost host;
        EXPECT_FALSE(PlanExport(*ed, settings, host).has_value());
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, c.refusal);
        EXPECT_EQ(host.messages[0].title, kErrorTitle);
    }
    EXPECT_EQ(kGfxTooLarge,
              "Точки шрифта не помещаются в 64 КБ формата Adafruit GFX. Задайте неполный ЗГ.");
    EXPECT_EQ(kArrayNameRefused, "Некорректно задано имя массива!");
    EXPECT_EQ(kBaselineRefused, "Некорректно задана базовая строка!");
}

}  // namespace
}  // namespace pixmora
