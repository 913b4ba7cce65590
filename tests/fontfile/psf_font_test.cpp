#include "fontfile/psf_font.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "fontfile/code_page_glyphs.h"
#include "fontfile/font_bytes.h"
#include "fontfile/system_fonts.h"

namespace pixmora {
namespace {

// A PSF2 font of two 5 x 3 glyphs, "A" and "Б" (the second also listed for a sequence):
//   .###.  70      #####  F8
//   #####  F8      #....  80
//   #...#  88      ####.  F0
std::vector<std::uint8_t> TinyPsf2() {
    std::vector<std::uint8_t> bytes = {0x72, 0xB5, 0x4A, 0x86, 0, 0, 0, 0, 32, 0, 0, 0, 1, 0, 0, 0,
                                       2,    0,    0,    0,    3, 0, 0, 0, 3,  0, 0, 0, 5, 0, 0, 0};
    const std::uint8_t glyphs[] = {0x70, 0xF8, 0x88, 0xF8, 0x80, 0xF0};
    const std::uint8_t table[] = {'A', 0xFF, 0xD0, 0x91, 0xFE, 'B', 0xCC, 0x81, 0xFF};
    bytes.insert(bytes.end(), std::begin(glyphs), std::end(glyphs));
    bytes.insert(bytes.end(), std::begin(table), std::end(table));
    return bytes;
}

// A PSF1 font of 256 glyphs 8 x 2, glyph g's rows both g; the table gives glyph 0x41 "A" and
// glyph 0xC0 "А" (U+0410), every other glyph no character.
std::vector<std::uint8_t> TinyPsf1() {
    std::vector<std::uint8_t> bytes = {0x36, 0x04, 0x02, 2};
    for (int glyph = 0; glyph < 256; ++glyph) {
        bytes.push_back(static_cast<std::uint8_t>(glyph));
        bytes.push_back(static_cast<std::uint8_t>(glyph));
    }
    for (int glyph = 0; glyph < 256; ++glyph) {
        if (glyph == 0x41) {
            bytes.insert(bytes.end(), {0x41, 0x00});
        } else if (glyph == 0xC0) {
            bytes.insert(bytes.end(), {0x10, 0x04});
        }
        bytes.insert(bytes.end(), {0xFF, 0xFF});
    }
    return bytes;
}

std::vector<std::uint8_t> Gzipped(const std::vector<std::uint8_t>& bytes) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> out(deflateBound(&stream, static_cast<uLong>(bytes.size())) + 32);
    stream.next_in = const_cast<Bytef*>(bytes.data());
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

std::string Refusal(const std::vector<std::uint8_t>& bytes) {
    try {
        ReadPsfFont(bytes);
    } catch (const FontFileError& error) {
        return error.what();
    }
    return "read";
}

TEST(PsfFont, ReadsGlyphsAndTheUnicodeTableOfAGzippedPsf2) {
    const PsfFont font = ReadPsfFont(Gzipped(TinyPsf2()));
    EXPECT_EQ(font.width, 5);
    EXPECT_EQ(font.height, 3);
    ASSERT_EQ(font.glyphOf.size(), 2u);  // the sequence B + combining acute is not a character
    EXPECT_EQ(font.glyphOf.at(U'A'), 0);
    EXPECT_EQ(font.glyphOf.at(U'\u0411'), 1);
    EXPECT_TRUE(font.dot(0, 1, 0));
    EXPECT_FALSE(font.dot(0, 0, 0));
    EXPECT_FALSE(font.dot(1, 4, 2));
    EXPECT_TRUE(font.dot(1, 3, 2));
}

TEST(PsfFont, ReadsAPsf1WithItsSixteenBitTable) {
    const PsfFont font = ReadPsfFont(TinyPsf1());
    EXPECT_EQ(font.width, 8);
    EXPECT_EQ(font.height, 2);
    ASSERT_EQ(font.glyphOf.size(), 2u);
    EXPECT_EQ(font.glyphOf.at(U'\u0410'), 0xC0);
    EXPECT_TRUE(font.dot(0xC0, 0, 1));  // C0 = ##......
    EXPECT_FALSE(font.dot(0xC0, 2, 1));
}

TEST(PsfFont, RefusesDamagedFilesWithTheirReason) {
    std::vector<std::uint8_t> cut = TinyPsf2();
    cut.erase(cut.end() - 2, cut.end());  // the table loses its end
    EXPECT_EQ(Refusal(cut), "Таблица Юникода шрифта PSF обрывается");
    EXPECT_EQ(Refusal(Gzipped(cut)), "Таблица Юникода шрифта PSF обрывается");

    std::vector<std::uint8_t> huge = TinyPsf2();
    huge[16] = 0xFF;  // glyph count far beyond the file
    EXPECT_EQ(Refusal(huge), "Заголовок шрифта PSF поврежден");
    std::vector<std::uint8_t> wide = TinyPsf2();
    wide[28] = 0;  // width 0
    EXPECT_EQ(Refusal(wide), "Заголовок шрифта PSF поврежден");
    std::vector<std::uint8_t> rowBytes = TinyPsf2();
    rowBytes[20] = 4;  // bytes per glyph that do not match the glyph's size
    EXPECT_EQ(Refusal(rowBytes), "Заголовок шрифта PSF поврежден");
    std::vector<std::uint8_t> header = TinyPsf2();
    header[8] = 0xF0;  // the glyphs start beyond the file
    EXPECT_EQ(Refusal(header), "Заголовок шрифта PSF поврежден");
    std::vector<std::uint8_t> noTable = TinyPsf2();
    noTable[12] = 0;
    EXPECT_EQ(Refusal(noTable), "В шрифте PSF нет таблицы Юникода");
    EXPECT_EQ(Refusal({0x36, 0x04, 0x02}), "Файл не является шрифтом PSF");
    std::vector<std::uint8_t> psf1Cut = TinyPsf1();
    psf1Cut.resize(300);
    EXPECT_EQ(Refusal(psf1Cut), "Заголовок шрифта PSF поврежден");

    std::vector<std::uint8_t> brokenGzip = Gzipped(TinyPsf2());
    brokenGzip.resize(brokenGzip.size() / 2);
    EXPECT_EQ(Refusal(brokenGzip), "Файл не является шрифтом или поврежден");
}

// Real console fonts: their Cyrillic letters land at codes 192..255, the Latin ones at 65..90.
class RealConsoleFont : public ::testing::TestWithParam<std::string> {};

TEST_P(RealConsoleFont, DrawsTheCyrillicAlphabetAtItsWindows1251Codes) {
    PIXMORA_NEEDS_FONT(GetParam());
    const FreeTypeLibrary library;
    const FontFace face = FontFace::Open(library, GetParam());
    ASSERT_EQ(face.kind(), FaceKind::Psf);
    const CodePageGlyphs glyphs = DrawCodePage(face);
    for (int code = 192; code <= 255; ++code) {
        const CodePageGlyph& glyph = glyphs[static_cast<std::size_t>(code - kFirstCode)];
        EXPECT_FALSE(glyph.missing) << code;
        EXPECT_FALSE(glyph.glyph.dots.blank()) << code;
    }
    // "Б" is a letter of its own, not the font's "А" or "B".
    const auto dotsOf = [&](int code) {
        return glyphs[static_cast<std::size_t>(code - kFirstCode)].glyph.dots.dots;
    };
    EXPECT_NE(dotsOf(193), dotsOf(192));
    EXPECT_NE(dotsOf(193), dotsOf('B'));
}

INSTANTIATE_TEST_SUITE_P(Psf1AndPsf2, RealConsoleFont,
                         ::testing::Values(test::kConsoleVga16, test::kConsoleVga8,
                                           test::kConsoleTerminus20));

}  // namespace
}  // namespace pixmora
