#include "fontfile/bdf_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fontfile/bdf_check.h"
#include "fontfile/font_bytes.h"
#include "fontfile/rasterise.h"
#include "fontfile/system_fonts.h"

namespace pixmora {
namespace {

using test::Picture;

struct Glyph {
    int encoding;
    std::string box;  // "W H X Y"
    std::vector<std::string> rows;
};

// A BDF file of the glyphs, with these properties between the standard ones.
std::string Bdf(const std::vector<Glyph>& glyphs, const std::string& registry = "ISO10646",
                const std::string& extra = "") {
    std::string text =
        "STARTFONT 2.1\nFONT -test-fixed\nSIZE 8 75 75\nFONTBOUNDINGBOX 6 9 0 -2\n"
        "STARTPROPERTIES " +
        std::to_string(3 + std::count(extra.begin(), extra.end(), '\n')) + "\nCHARSET_REGISTRY \"" +
        registry + "\"\nCHARSET_ENCODING \"1\"\n" + extra + "FONT_ASCENT 7\nENDPROPERTIES\nCHARS " +
        std::to_string(glyphs.size()) + "\n";
    for (const Glyph& glyph : glyphs) {
        text += "STARTCHAR g" + std::to_string(glyph.encoding) + "\nENCODING " +
                std::to_string(glyph.encoding) + "\nSWIDTH 500 0\nDWIDTH 6 0\nBBX " + glyph.box +
                "\nBITMAP\n";
        for (const std::string& row : glyph.rows) {
            text += row + "\n";
        }
        text += "ENDCHAR\n";
    }
    return text + "ENDFONT\n";
}

const Glyph kA{0x41, "5 3 0 4", {"70", "88", "F8"}};
const Glyph kDescender{0x67, "4 3 1 -2", {"F0", "10", "E0"}};

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

BdfFont Read(const std::string& text, std::optional<int> format = std::nullopt) {
    const FreeTypeLibrary library;
    return ReadBdfFont(library, Bytes(text), format);
}

std::string Refusal(const std::string& text) {
    try {
        Read(text);
    } catch (const FontFileError& error) {
        return error.what();
    }
    return "read";
}

const DotPicture& Cell(const BdfFont& font, int code) {
    return font.cells[static_cast<std::size_t>(code - 32)];
}

TEST(BdfCheck, RefusesEachDamageWithItsLine) {
    const std::string good = Bdf({kA, kDescender});
    EXPECT_EQ(BdfTextFault(good), std::nullopt);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {good.substr(0, good.find("88")), "Файл BDF поврежден, строка 17: знак не закончен."},
        {replaced("88\n", "ENDCHAR\n"), "Файл BDF поврежден, строка 18: знак не закончен."},
        {replaced("F8", "F"), "Файл BDF поврежден, строка 19: знак не закончен."},
        {replaced("ENDFONT\n", ""), "Файл BDF поврежден, строка 30: нет ENDFONT."},
        {replaced("BBX 5 3 0 4", "BBX 49 3 0 4"),
         "Файл BDF поврежден, строка 15: знак больше 48 x 56 точек."},
        {replaced("BBX 5 3 0 4", "BBX 5 57 0 4"),
         "Файл BDF поврежден, строка 15: знак больше 48 x 56 точек."},
        {replaced("CHARS 2", "CHARS 3"),
         "Файл BDF поврежден, строка 31: число знаков не равно CHARS."},
        {replaced("BBX 5 3 0 4", "BBX 5 3 0 99999999999999999999"),
         "Файл BDF поврежден, строка 15: недопустимое число."},
        {replaced("BBX 5 3 0 4", "BBX -5 3 0 4"),
         "Файл BDF поврежден, строка 15: недопустимое число."},
        {replaced("CHARS 2", "CHARS 2x"), "Файл BDF поврежден, строка 10: недопустимое число."},
        {replaced("ENCODING 65", "ENCODING"), "Файл BDF поврежден, строка 12: недопустимое число."},
        {"FONT x\n", "Файл не является шрифтом BDF."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BdfTextFault(c.text), c.message) << c.text;
        EXPECT_EQ(Refusal(c.text), c.message);
    }
}

TEST(BdfFont, TakesTheSmallestFormatHoldingEveryGlyphAndMapsUnicodeThroughTheCodePage) {
    // "Б" is U+0411, code 0xC1; U+4E00 has no code and is left out of the box.
    const Glyph be{0x411, "5 2 0 0", {"F8", "80"}};
    const Glyph outside{0x4E00, "16 16 0 0", std::vector<std::string>(16, "FFFF")};
    const BdfFont font = Read(Bdf({kA, kDescender, be, outside}));
    EXPECT_EQ(kCellFormats[static_cast<std::size_t>(font.formatIndex)].name, "8 x 16")
        << "the box is 5 x 9: 6 x 8 is too low";
    EXPECT_FALSE(font.own);
    EXPECT_EQ(font.drawn, 3);
    EXPECT_TRUE(font.cut.empty());
    const std::vector<std::string> a = Picture(Cell(font, 'A'));
    EXPECT_EQ(std::vector<std::string>(a.begin(), a.begin() + 4),
              (std::vector<std::string>{".###....", "#...#...", "#####...", "........"}));
    const std::vector<std::string> g = Picture(Cell(font, 'g'));
    EXPECT_EQ(std::vector<std::string>(g.begin() + 6, g.begin() + 10),
              (std::vector<std::string>{".####...", "....#...", ".###....", "........"}));
    EXPECT_EQ(Picture(Cell(font, 0xC1))[5], "#####...");
    EXPECT_TRUE(Cell(font, 'B').blank());
}

TEST(BdfFont, EightBitRegistriesGiveTheCodesThemselves) {
    const Glyph be{0xC1, "5 2 0 0", {"F8", "80"}};
    for (const char* registry : {"MICROSOFT", "KOI8"}) {
        const BdfFont font = Read(Bdf({be}, registry));
        EXPECT_EQ(font.formatIndex, 9) << "5 x 8";
        EXPECT_EQ(Picture(Cell(font, 0xC1))[0], "#####") << registry;
        EXPECT_EQ(font.drawn, 1);
    }
}

TEST(BdfFont, AFormatGivenCutsWhatFallsOutside) {
    const BdfFont font = Read(Bdf({kA, kDescender}), 0);
    EXPECT_EQ(font.formatIndex, 0);
    EXPECT_EQ(font.cut, std::vector<int>{'g'}) << "the descender's last row is row 8";
}

TEST(BdfFont, OwnPropertiesNameTheParametersAndTheFullCellComesBack) {
    const std::string own = "PIXMORA_FORMAT \"16 x 24\"\nPIXMORA_SCAN \"h2\"\nPIXMORA_NEGATIVE 1\n";
    std::vector<std::string> rows(24, "0000");
    rows[0] = "8001";
    const Glyph space{0x20, "16 24 0 -4", rows};
    const Glyph blank{0x21, "16 24 0 -4", std::vector<std::string>(24, "0000")};
    const BdfFont font = Read(Bdf({space, blank}, "ISO10646", own));
    ASSERT_TRUE(font.own);
    EXPECT_EQ(font.own->formatIndex, 4);
    EXPECT_EQ(font.own->scan, kScanHorizontal2);
    EXPECT_TRUE(font.own->negative);
    EXPECT_EQ(font.formatIndex, 4);
    EXPECT_EQ(Picture(Cell(font, ' '))[0], "#..............#");
    for (const char* bad : {"PIXMORA_FORMAT \"7 x 8\"\nPIXMORA_SCAN \"h1\"\nPIXMORA_NEGATIVE 0\n",
                            "PIXMORA_FORMAT \"6 x 8\"\nPIXMORA_SCAN \"h1\"\nPIXMORA_NEGATIVE 0\n",
                            "PIXMORA_FORMAT \"16 x 24\"\nPIXMORA_SCAN \"h1\"\n"}) {
        EXPECT_FALSE(Read(Bdf({space}, "ISO10646", bad)).own) << bad;
    }
}

TEST(BdfFont, RefusesAFontWithoutCodePageCharactersOrWithGlyphsSpreadBeyondTheGrid) {
    const Glyph han{0x4E00, "4 1 0 0", {"F0"}};
    EXPECT_EQ(Refusal(Bdf({han})), kNoCodePageChars);
    const Glyph high{0x42, "4 1 0 40", {"F0"}};
    const Glyph low{0x43, "4 1 0 -20", {"F0"}};
    EXPECT_EQ(Refusal(Bdf({high, low})), "Знаки шрифта больше 48 x 56 точек");
}

}  // namespace
}  // namespace pixmora
