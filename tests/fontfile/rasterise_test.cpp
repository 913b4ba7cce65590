#include "fontfile/rasterise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "fontfile/font_bytes.h"
#include "fontfile/installed_fonts.h"
#include "fontfile/psf_font.h"
#include "fontfile/system_fonts.h"
#include "model/glyph_packing.h"
#include "support/scratch_dir.h"

namespace pixmora {
namespace {

using test::Picture;

constexpr int k8x8 = 1;
constexpr int k8x16 = 10;
constexpr int k6x8 = 0;

const DotPicture& CellOf(const RasterisedFont& font, int code) {
    return font.cells[static_cast<std::size_t>(code - kFirstCode)];
}

RasteriseOptions For(int formatIndex) {
    RasteriseOptions options;
    options.formatIndex = formatIndex;
    return options;
}

RasteriseOptions Sized(int formatIndex, int size) {
    RasteriseOptions options = For(formatIndex);
    options.size = size;
    return options;
}

bool Listed(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A capital or digit with a dot in the spacing margin or cut off.
bool SomeCapitalLeavesTheArea(const RasterisedFont& font, const CellFormat& format) {
    std::vector<int> codes;
    for (int code = 'A'; code <= 'Z'; ++code) {
        codes.push_back(code);
    }
    for (int code = '0'; code <= '9'; ++code) {
        codes.push_back(code);
    }
    for (int code = 192; code <= 223; ++code) {
        if (code != 201) {  // Й, whose breve stands above the capitals
            codes.push_back(code);
        }
    }
    for (const int code : codes) {
        const DotPicture& cell = CellOf(font, code);
        for (int y = 0; y < format.height; ++y) {
            for (int x = 0; x < format.width; ++x) {
                const bool margin =
                    x >= format.width - format.marginDots || y >= format.height - format.marginDots;
                if (margin && cell.at(x, y)) {
                    return true;
                }
            }
        }
        if (Listed(font.cut, code)) {
            return true;
        }
    }
    return false;
}

TEST(Rasterise, DrawsAKnownCapitalIntoAnEightByEightCell) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuSans);
    const RasterisedFont font = RasteriseFont(face, For(k8x8));
    // At 7 pixels Ж and Ю fill the 7-dot drawing area; the capitals leave no room for the
    // descenders, so they reach the top row; ascenders above them (h, k) are cut.
    EXPECT_EQ(Picture(CellOf(font, 'A')),
              (std::vector<std::string>{"..#.....", ".###....", ".#.#....", ".###....", "#...#...",
                                        "........", "........", "........"}));
    EXPECT_EQ(font.size, 7);
    EXPECT_EQ(font.baseline, 4);
    EXPECT_TRUE(Listed(font.cut, 'h'));
    EXPECT_FALSE(Listed(font.cut, 'W'));
}

// The automatic size fits every capital and digit into the drawing area, and one pixel more does
// not, in every format.
class AutoSizeFits : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(AutoSizeFits, AndOnePixelMoreWouldNot) {
    const auto& [path, formatIndex] = GetParam();
    PIXMORA_NEEDS_FONT(path);
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, path);
    const RasterisedFont fitted = RasteriseFont(face, For(formatIndex));
    EXPECT_FALSE(SomeCapitalLeavesTheArea(fitted, format)) << fitted.size;
    const RasterisedFont larger = RasteriseFont(face, Sized(formatIndex, fitted.size + 1));
    EXPECT_TRUE(SomeCapitalLeavesTheArea(larger, format)) << larger.size;
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormat, AutoSizeFits,
    ::testing::Combine(::testing::Values(test::kDejaVuSans),
                       ::testing::Range(0, static_cast<int>(kCellFormats.size()))));
// The monospaced capitals are wider than the 4-dot drawing area of 5 x 8 at every readable size.
INSTANTIATE_TEST_SUITE_P(EveryFormatButFiveByEight, AutoSizeFits,
                         ::testing::Combine(::testing::Values(test::kDejaVuMono),
                                            ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 10)));

TEST(Rasterise, AFontTooWideForTheCellIsFittedToTheHeight) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSerif);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuSerif);
    const RasterisedFont font = RasteriseFont(face, For(k6x8));
    EXPECT_GT(font.size, 4);
    EXPECT_FALSE(CellOf(font, 'H').blank());
    EXPECT_FALSE(CellOf(font, 'H').at(0, 7) || CellOf(font, 'H').at(5, 0));
}

TEST(Rasterise, ConsoleFontOfTheCellsSizeComesThroughDotForDot) {
    PIXMORA_NEEDS_FONT(test::kConsoleVga16);
    const PsfFont psf = ReadPsfFont(ReadFontFileBytes(test::kConsoleVga16));
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kConsoleVga16);
    const RasterisedFont font = RasteriseFont(face, For(k8x16));
    EXPECT_TRUE(font.cut.empty());
    for (const int code : {int{'A'}, int{'g'}, 192, 255}) {
        const int glyph = psf.glyphOf.at(code < 192 ? static_cast<char32_t>(code)
                                                    : static_cast<char32_t>(0x0410 + code - 192));
        const DotPicture& cell = CellOf(font, code);
        // The glyph may stand a column further left: its ink keeps the font's bearing from the
        // font's leftmost ink.
        int shift = 0;
        while (shift < 8 && cell.at(0, 0) == 0 && psf.dot(glyph, shift, 0) != cell.at(0, 0)) {
            ++shift;
        }
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x + shift < 8; ++x) {
                EXPECT_EQ(cell.at(x, y), psf.dot(glyph, x + shift, y) ? 1 : 0) << code;
            }
        }
    }
}

TEST(Rasterise, AStrikeTooTallForTheCellStandsOnItsBaselineAndIsCut) {
    PIXMORA_NEEDS_FONT(test::kFixed9x15);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kFixed9x15);
    const RasterisedFont font = RasteriseFont(face, For(k6x8));
    EXPECT_EQ(font.size, 15);
    EXPECT_TRUE(Listed(font.cut, 'W'));
    EXPECT_TRUE(Listed(font.cut, 'g'));
    EXPECT_FALSE(Listed(font.cut, ' '));
    EXPECT_FALSE(CellOf(font, 'H').blank());
}

class RasteriseBdf : public test::ScratchDirTest {
  protected:
    std::string WriteBdf(const std::string& chars, int count) {
        const std::string path = PathOf("font.bdf");
        std::ofstream(path) << "STARTFONT 2.1\nFONT tiny\nSIZE 5 75 75\nFONTBOUNDINGBOX 4 5 0 -1\n"
                               "STARTPROPERTIES 4\nCHARSET_REGISTRY \"ISO10646\"\n"
                               "CHARSET_ENCODING \"1\"\nFONT_ASCENT 4\nFONT_DESCENT 1\n"
                               "ENDPROPERTIES\nCHARS "
                            << count << "\n"
                            << chars << "ENDFONT\n";
        return path;
    }
};

std::string BdfChar(int code, const char* rows) {
    return "STARTCHAR c\nENCODING " + std::to_string(code) +
           "\nSWIDTH 800 0\nDWIDTH 4 0\nBBX 4 5 0 -1\nBITMAP\n" + rows + "ENDCHAR\n";
}

TEST_F(RasteriseBdf, ListsTheCharactersTheFontLacksAndLeavesThemEmpty) {
    const std::string path =
        WriteBdf(BdfChar('A', "60\n90\nF0\n90\n00\n") + BdfChar(0x0416, "90\n60\nF0\n60\n90\n"), 2);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, path);
    const RasterisedFont font = RasteriseFont(face, For(k8x8));
    EXPECT_EQ(font.missing.size(), 224u - 3);  // all but A, Ж and 0x98, which names no character
    EXPECT_FALSE(Listed(font.missing, 'A'));
    EXPECT_FALSE(Listed(font.missing, 198));
    EXPECT_FALSE(Listed(font.missing, 0x98));
    EXPECT_TRUE(Listed(font.missing, 'B'));
    EXPECT_TRUE(CellOf(font, 'B').blank());
    // The capitals leave room for the descender of Ж, which ends on the drawing area's bottom row.
    EXPECT_EQ(Picture(CellOf(font, 'A')),
              (std::vector<std::string>{"........", "........", ".##.....", "#..#....", "####....",
                                        "#..#....", "........", "........"}));
    EXPECT_EQ(font.baseline, 5);
}

TEST_F(RasteriseBdf, EmboldensCentresAndMovesAsAsked) {
    const std::string path = WriteBdf(BdfChar('I', "40\n40\n40\n40\n00\n"), 1);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, path);
    RasteriseOptions options = For(k8x8);
    options.bold = true;
    options.baseline = 3;
    options.centre = true;
    const RasterisedFont font = RasteriseFont(face, options);
    EXPECT_EQ(Picture(CellOf(font, 'I')),
              (std::vector<std::string>{"..##....", "..##....", "..##....", "..##....", "........",
                                        "........", "........", "........"}));
    RasteriseOptions left = For(k8x8);
    left.offset = -1;
    const RasterisedFont moved = RasteriseFont(face, left);
    EXPECT_TRUE(Listed(moved.cut, 'I'));
}

TEST_F(RasteriseBdf, RefusesAFontWithoutACharacterOfTheCodePage) {
    const std::string path = WriteBdf(BdfChar(0x4E00, "60\n90\nF0\n90\n00\n"), 1);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, path);
    try {
        RasteriseFont(face, For(k8x8));
        ADD_FAILURE() << "drawn";
    } catch (const FontFileError& error) {
        EXPECT_STREQ(error.what(), "В шрифте нет ни одного знака кодовой страницы 1251");
    }
}

TEST_F(RasteriseBdf, RefusesASizeThatDrawsNothing) {
    const std::string path = WriteBdf(BdfChar('A', "00\n00\n00\n00\n00\n"), 1);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, path);
    try {
        RasteriseFont(face, For(k8x8));
        ADD_FAILURE() << "drawn";
    } catch (const FontFileError& error) {
        EXPECT_STREQ(error.what(), "При этом размере шрифт не рисует ни одного знака");
    }
}

// Packing writes exactly the cells' dots in every scan the format offers.
class PackRasterisedTest : public ::testing::TestWithParam<int> {};

TEST_P(PackRasterisedTest, UnpacksToTheSameCellsInEveryOfferedScan) {
    const int formatIndex = GetParam();
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    RasterisedFont font;
    font.cells.assign(kCharCount, DotPicture(format.width, format.height));
    for (int k = 0; k < kCharCount; ++k) {
        DotPicture& cell = font.cells[static_cast<std::size_t>(k)];
        cell.at(k % format.width, k % format.height) = 1;
        cell.at(format.width - 1, format.height - 1 - k % 3) = 1;
    }
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (!ScanOffered(format.width, scan)) {
            continue;
        }
        const std::vector<std::uint8_t> bytes = PackRasterised(font, formatIndex, scan);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(kCharCount * format.bytesPerChar));
        for (int k = 0; k < kCharCount; ++k) {
            const DotMatrix dots = UnpackGlyph(CharGlyph(bytes, k, format.bytesPerChar), scan,
                                               format.width, format.height);
            for (int y = 0; y < format.height; ++y) {
                for (int x = 0; x < format.width; ++x) {
                    ASSERT_EQ(dots[static_cast<std::size_t>(y * kGridColumns + x)],
                              font.cells[static_cast<std::size_t>(k)].at(x, y))
                        << scan << " " << k << " " << x << " " << y;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, PackRasterisedTest,
                         ::testing::Range(0, static_cast<int>(kCellFormats.size())));

TEST(InstalledFonts, FindsAnInstalledFamilyAndStyleAndNothingElse) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    EXPECT_EQ(FindInstalledFont("DejaVu Sans", "Book"), test::kDejaVuSans);
    EXPECT_EQ(FindInstalledFont("DejaVu Sans", "No Such Style"), std::nullopt);
    const std::vector<InstalledFont> fonts = ListInstalledFonts();
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(),
                               [](const auto& a, const auto& b) { return a.family < b.family; }));
}

}  // namespace
}  // namespace pixmora
