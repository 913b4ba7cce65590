// The row chooser's reading of real fonts: the readings derived from a fixture directory and the
// judgement of a recognition against what the fixture tests require.
#include "real_fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "model/formats.h"
#include "support/scratch_dir.h"

namespace models {
namespace {

using pixmora::Coverage;

class FixtureDirectory : public pixmora::test::ScratchDirTest {
  protected:
    // A fixture of `count` characters of `perChar` bytes, character k all bytes k + 1.
    void Write(const std::string& name, const std::string& expect, int count, int perChar) {
        std::ofstream out(PathOf(name), std::ios::binary);
        out << "// font: a test table\r\n// expect: " << expect << "\r\n";
        for (int k = 0; k < count; ++k) {
            for (int b = 0; b < perChar; ++b) {
                char value[8];
                std::snprintf(value, sizeof value, "0x%02X", (k + 1) % 256);
                out << value << (b + 1 < perChar ? "," : "\r\n");
            }
        }
    }
    static int Format(int width, int height) { return *pixmora::FormatIndex(width, height); }
};

TEST_F(FixtureDirectory, A5ColumnTablePaddedTo6x8ReadsThreeWays) {
    Write("n_5x8_pad.fnt", "W=6 H=8 scan=0 polarity=positive count=224 cyrillic=cp1251", 224, 6);
    const std::vector<FixtureReading> readings = ReadFixtures(Dir());
    ASSERT_EQ(readings.size(), 3U);  // as it is, without the gap column, enlarged to 12 x 16
    EXPECT_EQ(readings[0].formatIndex, Format(6, 8));
    EXPECT_EQ(readings[0].bytes.size(), static_cast<std::size_t>(pixmora::kFontBytes));
    EXPECT_EQ(readings[0].bytes[6], 2);
    EXPECT_EQ(readings[1].formatIndex, Format(5, 8));
    EXPECT_TRUE(readings[1].latinAndDigitsToo);
    EXPECT_EQ(readings[1].bytes[4], 1);  // the sixth byte of every character is dropped
    EXPECT_EQ(readings[1].bytes[5], 2);
    EXPECT_EQ(readings[1].bytes[224 * 5], 0);
    EXPECT_EQ(readings[2].formatIndex, Format(12, 16));
    EXPECT_EQ(readings[2].scan, 0);
}

TEST_F(FixtureDirectory, AnAsciiTableMustNotShowCyrillic) {
    Write("ascii_16x16.fnt", "W=16 H=16 scan=3 polarity=positive count=95 cyrillic=none", 95, 32);
    const std::vector<FixtureReading> readings = ReadFixtures(Dir());
    ASSERT_EQ(readings.size(), 1U);
    EXPECT_EQ(readings[0].scan, 3);
    EXPECT_TRUE(readings[0].noCyrillic);
    EXPECT_TRUE(readings[0].shortTable);
}

TEST_F(FixtureDirectory, ACellNoFormatHasIsLeftOut) {
    Write("odd_7x9.fnt", "W=7 H=9 scan=0 polarity=positive count=224 supported=no", 224, 7);
    EXPECT_TRUE(ReadFixtures(Dir()).empty());
}

TEST_F(FixtureDirectory, FailsWithoutAnExpectation) {
    {
        std::ofstream out(PathOf("bare.fnt"));
        out << "0x00,0x01\r\n";
    }
    EXPECT_THROW(ReadFixtures(Dir()), FixtureError);
}

TEST_F(FixtureDirectory, FailsWithoutFonts) {
    EXPECT_THROW(ReadFixtures(Dir()), FixtureError);
}

struct Judged {
    const char* what;
    FixtureReading reading;
    pixmora::Candidate candidate;
    std::array<Coverage, pixmora::kGroupCount> coverage;
    bool right;
};

class Judgement : public ::testing::TestWithParam<Judged> {};

TEST_P(Judgement, AsTheFixtureTestsRequire) {
    const Judged& judged = GetParam();
    pixmora::Recognition found;
    found.candidate = judged.candidate;
    found.coverage = judged.coverage;
    found.CharSetClass = pixmora::CharSetClassOf(found.coverage);
    found.Recognised = found.CharSetClass > 0;
    EXPECT_EQ(ReadsRight(judged.reading, found), judged.right) << judged.what;
}

constexpr Coverage Y = Coverage::Yes, U = Coverage::Unsure, N = Coverage::No;
const FixtureReading kPlain{"plain", {}, 1, 2, false, false, false, false};
const FixtureReading kUnpadded{"unpadded", {}, 9, 0, false, true, false, false};
const FixtureReading kAscii{"ascii", {}, 3, 0, false, false, true, true};

INSTANTIATE_TEST_SUITE_P(
    Readings, Judgement,
    ::testing::Values(
        Judged{"right", kPlain, {1, 2, false}, {N, Y, U, N, N}, true},
        Judged{"other format", kPlain, {0, 2, false}, {Y, Y, Y, Y, N}, false},
        Judged{"other scan", kPlain, {1, 3, false}, {Y, Y, Y, Y, N}, false},
        Judged{"other polarity", kPlain, {1, 2, true}, {Y, Y, Y, Y, N}, false},
        Judged{"only Cyrillic found", kPlain, {1, 2, false}, {U, U, U, Y, N}, false},
        Judged{"unpadded, all found", kUnpadded, {9, 0, false}, {Y, Y, Y, U, N}, true},
        Judged{"unpadded, digits unsure", kUnpadded, {9, 0, false}, {Y, U, Y, Y, N}, false},
        Judged{"unpadded, no Cyrillic", kUnpadded, {9, 0, false}, {Y, Y, Y, N, N}, false},
        Judged{"ASCII, no Cyrillic", kAscii, {3, 0, false}, {Y, Y, Y, N, N}, true},
        Judged{"ASCII, Cyrillic unsure", kAscii, {3, 0, false}, {Y, Y, Y, U, N}, false},
        Judged{"ASCII, Cyrillic found", kAscii, {3, 0, false}, {Y, Y, Y, Y, N}, false}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
}  // namespace models
