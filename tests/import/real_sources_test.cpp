// The real fonts as their projects keep them in source code. The original files of sources/ are
// read as they are; and every fixture is written back into a C header the way its source project
// wrote it (codes before 32 as blank characters where the project's table starts at 0, a header
// where it had one) and must read to the fixture's bytes again.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "import/recognise_font.h"
#include "io/font_reader.h"
#include "source_styles.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kFixtures = PIXMORA_FIXTURES_DIR;

Bytes FixtureBytes(const std::string& name) {
    test::FakeHost host;
    Bytes bytes(kFontBytes, 0);
    const ReadResult read = ReadFontFile((kFixtures / name).string(), bytes, false, host);
    EXPECT_FALSE(read.failure || read.ImportAborted) << name;
    bytes.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
    return bytes;
}

// The W, H and scan of the fixture's "// expect:" line, and whether its cell is supported.
struct Expected {
    int width = 0;
    int height = 0;
    int scan = 0;
    bool supported = true;
};

Expected ExpectationOf(const std::string& name) {
    const std::string text = test::ReadWholeFile((kFixtures / name).string());
    const auto at = text.find("// expect:");
    std::map<std::string, std::string> fields;
    std::istringstream words(text.substr(at + 10, text.find('\n', at) - at - 10));
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals != std::string::npos) {
            fields[word.substr(0, equals)] = word.substr(equals + 1);
        }
    }
    // "supported=no" names a cell that had no format then; the table may have one now.
    const int width = std::stoi(fields["W"]);
    const int height = std::stoi(fields["H"]);
    return {width, height, std::stoi(fields["scan"]),
            fields["supported"] != "no" || FormatIndex(width, height).has_value()};
}

// Lines of `perLine` values, each line closed by the comment the project wrote there.
std::string ValueLines(const Bytes& bytes, std::size_t perLine, const std::string& separator,
                       const std::function<std::string(std::size_t line)>& comment) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += test::Hex2(bytes[i]) + (i + 1 < bytes.size() ? "," : "");
        if ((i + 1) % perLine == 0 || i + 1 == bytes.size()) {
            text += comment(i / perLine) + "\n";
        } else {
            text += separator;
        }
    }
    return text;
}

std::string CodeComment(const char* format, std::size_t code) {
    char text[48];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(code),
                  static_cast<unsigned>(code));
    return text;
}

Bytes WithBlankCodesBelow32(const Bytes& glyphs, std::size_t bytesPerChar) {
    Bytes table(32 * bytesPerChar, 0);
    table.insert(table.end(), glyphs.begin(), glyphs.end());
    return table;
}

struct WrittenBack {
    const char* fixture;
    std::size_t bytesPerChar;
    bool fromCode0;  // the project's table starts at code 0
    std::function<std::string(const Bytes& table, std::size_t bpc)> write;
};

const WrittenBack kWrittenBack[] = {
    {"aquasmart_terminal_6x8_cp1251.fnt", 6, true,
     [](const Bytes& t, std::size_t bpc) {
         return "/* Terminal 6 x 8\n  8,  // height\n  6,  // width\n  255,*/\n"
                " const unsigned char Font8x6[] =\n {\n" +
                ValueLines(t, bpc, " ",
                           [](std::size_t c) { return CodeComment("// 0x%02x - glyph", c); }) +
                "};\n const unsigned char Font16x12[] = { 0x00, 0x01 };\n";
     }},
    {"uku207_caracter_6x8_cp1251.fnt", 6, true,
     [](const Bytes& t, std::size_t) {
         return "\n\nconst char caracter[" + std::to_string(t.size()) + "]={\n" +
                ValueLines(t, 8, "", [](std::size_t) { return std::string(); }) + "};";
     }},
    {"n3310_5x8_cp1251_pad6x8.fnt", 6, true,
     [](const Bytes& t, std::size_t bpc) {
         return "#define DISPLAY_MODE_BLANK\t0b00001000\n#include <avr/pgmspace.h>\n"
                "const uint8_t FontLookup [" +
                std::to_string(t.size()) + "] PROGMEM=\n{ " +
                ValueLines(t, bpc, " ",
                           [](std::size_t c) { return CodeComment("          // %2u %02X", c); }) +
                "};\n";
     }},
    {"n3310_5x8_cp1251_raw5.fnt", 5, true,
     [](const Bytes& t, std::size_t bpc) {
         return "const uint8_t FontLookup [" + std::to_string(t.size()) + "] PROGMEM=\n{ " +
                ValueLines(t, bpc, " ",
                           [](std::size_t c) { return CodeComment("          // %2u %02X", c); }) +
                "};\n";
     }},
    {"ctester_8x8_win1251_vf.fnt", 8, false,
     [](const Bytes& t, std::size_t bpc) {
         return "#ifdef FONT_8X8_WIN1251_VF\n#include <avr/pgmspace.h>\n\n"
                "const uint8_t FontData[] PROGMEM = {\n  /* characters */\n" +
                ValueLines(t, bpc, "",
                           [](std::size_t c) { return CodeComment("   /* 0x%02x */", c + 32); }) +
                "};\n\nconst uint8_t FontTable[] PROGMEM = {\n  0x00,  /* 0x00 */\n  0x01\n};\n"
                "#endif\n";
     }},
    {"ctester_8x16_win1251_hf_in16x16.fnt", 32, false,
     [](const Bytes& t, std::size_t bpc) {
         return "/* *** monospaced font *** */\n#ifdef FONT_8X16_WIN1251_HF\n"
                "const uint8_t FontData[] PROGMEM = {\n" +
                ValueLines(t, bpc, "",
                           [](std::size_t c) { return CodeComment("   /* 0x%02x */", c + 32); }) +
                "};\n#endif // FONT_8X16_WIN1251_HF\n";
     }},
    {"font8x8_basic_lsbleft.fnt", 8, true,
     [](const Bytes& t, std::size_t bpc) {
         return test::TwoDimensionalC("char", "font8x8_basic", t, bpc, 0);
     }},
    {"ibm8x8_cp437.fnt", 8, true,
     [](const Bytes& t, std::size_t) {
         return "// IBM PC 8x8, code page 437\nconst unsigned char font[" +
                std::to_string(t.size()) + "] = {\n" +
                ValueLines(t, 16, " ", [](std::size_t) { return std::string(); }) + "};\n";
     }},
    {"arial_round_16x24.fnt", 48, false,
     [](const Bytes& t, std::size_t bpc) {
         return test::FlatProgmemC("Arial_round_16x24", Bytes{0x10, 0x18, 0x20, 0x5F}, t,
                                   static_cast<int>(bpc));
     }},
    {"arial_bold_16x16.fnt", 32, false,
     [](const Bytes& t, std::size_t bpc) {
         return test::FlatProgmemC("arial_bold", Bytes{0x10, 0x10, 0x20, 0x5F}, t,
                                   static_cast<int>(bpc));
     }},
};

std::ostream& operator<<(std::ostream& out, const WrittenBack& written) {
    return out << written.fixture;
}

void ExpectRecognisedAs(const FontRecognition& got, const Expected& expect, const Bytes& fixture) {
    ASSERT_TRUE(got.found.Recognised);
    const CellFormat& format =
        kCellFormats[static_cast<std::size_t>(got.found.candidate.formatIndex)];
    EXPECT_EQ(format.width, expect.width);
    EXPECT_EQ(format.height, expect.height);
    EXPECT_EQ(got.found.candidate.scan, expect.scan);
    ASSERT_EQ(got.LastIndexRead + 1, static_cast<int>(fixture.size()));
    EXPECT_TRUE(std::equal(fixture.begin(), fixture.end(), got.ImportBuffer.begin()));
}

class WrittenBackFixture : public test::ScratchDirTest,
                           public ::testing::WithParamInterface<WrittenBack> {};

TEST_P(WrittenBackFixture, ReadsToTheFixturesBytes) {
    const WrittenBack& written = GetParam();
    const Bytes fixture = FixtureBytes(written.fixture);
    const Bytes table =
        written.fromCode0 ? WithBlankCodesBelow32(fixture, written.bytesPerChar) : fixture;
    const std::string path = PathOf("written.c");
    test::WriteWholeFile(path, written.write(table, written.bytesPerChar));

    test::FakeHost host;  // programDir "." is the runtime directory with the shipped Model/
    host.takePreselected = true;
    const FontRecognition got = RecogniseFont(path, host);
    ASSERT_FALSE(got.failure) << *got.failure;
    ASSERT_TRUE(got.table) << "not read as source code";
    const std::size_t headerBytes = got.table->header ? got.table->header->bytes : 0;
    EXPECT_EQ(got.table->arrays[got.table->chosen].bytes, table.size() + headerBytes);
    EXPECT_EQ(got.table->glyphs, table);

    const Expected expect = ExpectationOf(written.fixture);
    if (expect.supported) {
        ExpectRecognisedAs(got, expect, fixture);
        EXPECT_EQ(got.table->firstCode, written.fromCode0 ? 0 : 32);
    } else {
        EXPECT_FALSE(got.found.Recognised);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WrittenBackFixture, ::testing::ValuesIn(kWrittenBack),
                         [](const auto& info) {
                             std::string name = info.param.fixture;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// The originals whose glyphs stand in code order in a cell of the format table.
struct Original {
    const char* source;
    const char* fixture;
    const char* array;
    int firstCode;
};

class OriginalSource : public ::testing::TestWithParam<Original> {};

TEST_P(OriginalSource, ReadsAsItIsToTheFixturesBytes) {
    const Original& original = GetParam();
    test::FakeHost host;
    host.takePreselected = true;
    const FontRecognition got =
        RecogniseFont((kFixtures / "sources" / original.source).string(), host);
    ASSERT_FALSE(got.failure) << *got.failure;
    ASSERT_TRUE(got.table);
    EXPECT_EQ(got.table->arrays[got.table->chosen].name, original.array);
    EXPECT_EQ(got.table->firstCode, original.firstCode);
    ExpectRecognisedAs(got, ExpectationOf(original.fixture), FixtureBytes(original.fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, OriginalSource,
    ::testing::Values(
        Original{"aquasmart_terminal_6x8_cp1251.c", "aquasmart_terminal_6x8_cp1251.fnt", "Font8x6",
                 0},
        Original{"uku207_caracter_6x8_cp1251.h", "uku207_caracter_6x8_cp1251.fnt", "caracter", 0},
        Original{"n3310_5x8_cp1251_pad6x8.h", "n3310_5x8_cp1251_raw5.fnt", "FontLookup", 0},
        Original{"font8x8_basic_lsbleft.h", "font8x8_basic_lsbleft.fnt", "font8x8_basic", 0},
        Original{"arial_bold_16x16.c", "arial_bold_16x16.fnt", "arial_bold", 32},
        Original{"arial_round_16x24.c", "arial_round_16x24.fnt", "Arial_round_16x24", 32}),
    [](const auto& info) {
        std::string name = info.param.source;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
}  // namespace pixmora
