#include "fontfile/font_face.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fontfile/font_bytes.h"
#include "fontfile/system_fonts.h"
#include "support/scratch_dir.h"

namespace pixmora {
namespace {

using test::Picture;

std::string Refusal(const std::vector<std::uint8_t>& bytes) {
    const FreeTypeLibrary library;
    try {
        FontFace::OpenBytes(library, bytes);
    } catch (const FontFileError& error) {
        return error.what();
    }
    return "opened";
}

TEST(FontFace, DrawsAKnownOutlineGlyphHintedToOneBitPerDot) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuSans);
    EXPECT_EQ(face.kind(), FaceKind::Outline);
    EXPECT_EQ(face.name(), "DejaVu Sans Book");
    face.setPixelSize(12);
    const PlacedGlyph glyph = face.place(U'A');
    EXPECT_EQ(Picture(glyph.dots), (std::vector<std::string>{
                                       "...##...",
                                       "...##...",
                                       "..#..#..",
                                       "..#..#..",
                                       "..#..#..",
                                       ".#....#.",
                                       ".######.",
                                       ".#....#.",
                                       "#......#",
                                   }));
    EXPECT_EQ(glyph.top, 9);
}

TEST(FontFace, SmoothRenderingLightsMoreDotsAsTheThresholdFalls) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuSans);
    face.setPixelSize(20);
    const auto lit = [&](int threshold) {
        const DotPicture dots = face.place(U'O', {true, threshold}).dots;
        return std::count(dots.dots.begin(), dots.dots.end(), 1);
    };
    EXPECT_GT(lit(32), lit(128));
    EXPECT_GT(lit(128), lit(250));
    EXPECT_GT(lit(250), 0);
}

TEST(FontFace, NarrowerScaleDrawsANarrowerGlyph) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    const FreeTypeLibrary library;
    FontFace face = FontFace::Open(library, test::kDejaVuSans);
    face.setPixelSize(24);
    const int wide = face.place(U'W').dots.width;
    face.setPixelSize(24, 0.5f);
    EXPECT_LT(face.place(U'W').dots.width, wide * 3 / 4);
}

class BdfStrike : public test::ScratchDirTest {};

// A BDF strike compiled to PCF by bdftopcf comes through FreeType dot for dot, from both files.
TEST_F(BdfStrike, ComesThroughDotForDotAsBdfAndAsPcf) {
    const std::string bdf = PathOf("tiny.bdf");
    std::ofstream(bdf)
        << "STARTFONT 2.1\nFONT -misc-tiny-medium-r-normal--5-50-75-75-c-40-iso10646-1\n"
           "SIZE 5 75 75\nFONTBOUNDINGBOX 4 5 0 -1\nSTARTPROPERTIES 4\n"
           "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\n"
           "FONT_ASCENT 4\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 1\n"
           "STARTCHAR Zhe\nENCODING 1046\nSWIDTH 800 0\nDWIDTH 4 0\nBBX 4 5 0 -1\n"
           "BITMAP\n90\n60\nF0\n60\n90\nENDCHAR\nENDFONT\n";
    const std::vector<std::string> zhe = {"#..#", ".##.", "####", ".##.", "#..#"};
    const FreeTypeLibrary library;
    const FontFace fromBdf = FontFace::Open(library, bdf);
    EXPECT_EQ(fromBdf.kind(), FaceKind::Bitmap);
    EXPECT_EQ(Picture(fromBdf.place(U'\u0416').dots), zhe);
    EXPECT_EQ(fromBdf.place(U'\u0416').top, 4);
#ifdef PIXMORA_BDFTOPCF
    const std::string pcf = PathOf("tiny.pcf");
    ASSERT_EQ(std::system((std::string(PIXMORA_BDFTOPCF) + " -o " + pcf + " " + bdf).c_str()), 0);
    const FontFace fromPcf = FontFace::Open(library, pcf);
    EXPECT_EQ(fromPcf.strikeHeights(), std::vector<int>{5});
    EXPECT_EQ(Picture(fromPcf.place(U'\u0416').dots), zhe);
#endif
}

TEST(FontFace, RealPcfStrikeHasTheDotsOfItsCell) {
    PIXMORA_NEEDS_FONT(test::kFixed6x13);
    const FreeTypeLibrary library;
    const FontFace face = FontFace::Open(library, test::kFixed6x13);
    EXPECT_EQ(face.kind(), FaceKind::Bitmap);
    EXPECT_EQ(face.strikeHeights(), std::vector<int>{13});
    // The strike's glyphs are its whole 6 x 13 cell, blank rows and column included.
    EXPECT_EQ(Picture(face.place(U'H').dots),
              (std::vector<std::string>{"......", "......", "#...#.", "#...#.", "#...#.", "#...#.",
                                        "#####.", "#...#.", "#...#.", "#...#.", "#...#.", "......",
                                        "......"}));
}

TEST(FontFace, RefusesWhatIsNoFontWithAClearReason) {
    EXPECT_EQ(Refusal({}), "Файл не является шрифтом или поврежден");
    EXPECT_EQ(Refusal(std::vector<std::uint8_t>(4096, 0x5A)),
              "Файл не является шрифтом или поврежден");
    const FreeTypeLibrary library;
    try {
        FontFace::Open(library, "/nonexistent/font.ttf");
        ADD_FAILURE() << "opened";
    } catch (const FontFileError& error) {
        EXPECT_EQ(
            std::string(error.what()).rfind("Файл шрифта не прочитан: /nonexistent/font.ttf\n", 0),
            0u)
            << error.what();
    }
}

TEST(FontFace, RefusesATruncatedOutlineFont) {
    PIXMORA_NEEDS_FONT(test::kDejaVuSans);
    std::vector<std::uint8_t> bytes = ReadFontFileBytes(test::kDejaVuSans);
    bytes.resize(bytes.size() / 3);
    EXPECT_EQ(Refusal(bytes), "Файл не является шрифтом или поврежден");
}

}  // namespace
}  // namespace pixmora
