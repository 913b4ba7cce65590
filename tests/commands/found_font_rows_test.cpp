// The texts and picture of a found table, for each kind of image, on tables the test lays out
// itself.
#include "commands/found_font_rows.h"

#include <gtest/gtest.h>

#include <random>

#include "model/glyph_packing.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct KindCase {
    ImageKind kind;
    std::vector<std::string> titles;
    std::vector<std::string> place;  // the texts under the place titles
};

class FoundRowsOfKind : public ::testing::TestWithParam<KindCase> {};

// A 8 x 8 "горизонтально 1" negative table of digits only, 100 bytes into a segment loaded at
// 0x8000 whose bytes lie 0x40 into the file.
TEST_P(FoundRowsOfKind, PlaceAndParametersAsTexts) {
    FirmwareImage image;
    image.kind = GetParam().kind;
    image.segments.push_back({0x8000, 0x40, Bytes(4096, 0xFF)});
    FoundFont found;
    found.code32Position = 100 - (48 - 32) * 8;
    found.formatIndex = 1;
    found.scan = kScanHorizontal1;
    found.negative = true;
    found.firstCode = 48;
    found.lastCode = 57;
    found.glyphCount = 10;
    found.score = 0.75F;
    const FoundFontList list = FoundFontRows(image, {found});
    std::vector<std::string> titles = GetParam().titles;
    for (const char* title :
         {"Формат", "Развертка", "Полярность", "Первый код", "Знаков", "Оценка"}) {
        titles.emplace_back(title);
    }
    EXPECT_EQ(list.titles, titles);
    ASSERT_EQ(list.rows.size(), 1U);
    std::vector<std::string> texts = GetParam().place;
    for (const char* text : {"8 x 8", "горизонтально 1", "негативный", "48", "10", "0,750"}) {
        texts.emplace_back(text);
    }
    EXPECT_EQ(list.rows[0].texts, texts);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FoundRowsOfKind,
    ::testing::Values(KindCase{ImageKind::Binary, {"Смещение"}, {"0x000000A4"}},
                      KindCase{ImageKind::IntelHex, {"Адрес"}, {"0x00008064"}},
                      KindCase{
                          ImageKind::Elf, {"Смещение", "Адрес"}, {"0x000000A4", "0x00008064"}}),
    [](const auto& info) {
        return std::string(info.param.kind == ImageKind::Binary     ? "Binary"
                           : info.param.kind == ImageKind::IntelHex ? "IntelHex"
                                                                    : "Elf");
    });

// Random dots in every glyph of a table from code 32 in the given scan and polarity.
Bytes RandomTable(int formatIndex, int lastCode) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    std::mt19937 random(static_cast<unsigned>(formatIndex * 256 + lastCode));
    return test::RandomBytes(random, (lastCode - 31) * format.bytesPerChar);
}

struct PictureCase {
    int formatIndex;
    int scan;
    bool negative;
    int lastCode;
    int lines;  // digits, Latin, Cyrillic as far as the table reaches
};

class FoundPicture : public ::testing::TestWithParam<PictureCase> {};

// Each glyph of the picture shows the table's dots lit black whatever its polarity, in the line
// of its group and the place of its code; codes past the table's end stay blank, and the groups
// the table does not reach are left out.
TEST_P(FoundPicture, ShowsEachGroupsGlyphsLitBlack) {
    const PictureCase& c = GetParam();
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(c.formatIndex)];
    const Bytes table = RandomTable(c.formatIndex, c.lastCode);
    FoundFont found;
    found.formatIndex = c.formatIndex;
    found.scan = c.scan;
    found.negative = c.negative;
    found.lastCode = c.lastCode;
    const PixelImage picture = FoundFontPicture(table, found);
    ASSERT_EQ(picture.height, c.lines * (format.height + 1) - 1);
    ASSERT_EQ(picture.width, (c.lines == 1 ? 10 : c.lines == 2 ? 26 : 32) * (format.width + 1) - 1);
    const int firstCodes[] = {48, 65, 192};
    for (int line = 0; line < c.lines; ++line) {
        const int lastInLine = line == 0 ? 57 : line == 1 ? 90 : 223;
        for (int code = firstCodes[line]; code <= lastInLine; ++code) {
            const auto start = static_cast<std::size_t>((code - 32) * format.bytesPerChar);
            const auto glyph =
                code <= c.lastCode
                    ? std::span(table).subspan(start, static_cast<std::size_t>(format.bytesPerChar))
                    : std::span<const std::uint8_t>();
            for (int row = 0; row < format.height; ++row) {
                for (int column = 0; column < format.width; ++column) {
                    const bool lit = !glyph.empty() && GlyphDot(glyph, c.scan, format.width, row,
                                                                column) != c.negative;
                    const int x = (code - firstCodes[line]) * (format.width + 1) + column;
                    const int y = line * (format.height + 1) + row;
                    ASSERT_EQ(picture.pixels[picture.Offset(x, y)],
                              lit ? kPictureLit : kPictureDark)
                        << "code " << code << " row " << row << " column " << column;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, FoundPicture,
                         ::testing::Values(PictureCase{1, kScanVertical1, false, 255, 3},
                                           PictureCase{0, kScanVertical2, true, 127, 2},
                                           PictureCase{3, kScanHorizontal2, false, 57, 1},
                                           PictureCase{4, kScanHorizontal1, true, 200, 3}));

}  // namespace
}  // namespace pixmora
