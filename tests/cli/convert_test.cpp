// pixmora-cli convert run as the built executable: round trips through every source kind and
// notation, the export's refusals, and the failures that end a run with status 2.
#include <gtest/gtest.h>

#include <random>

#include "cli/convert_command.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "editor/font_settings.h"
#include "import/confirm_import.h"
#include "import/recognise_font.h"
#include "io/export.h"
#include "io/font_reader.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora::test {
namespace {

using cli::kExitFailed;
using cli::kExitOk;
using cli::kExitRefused;

constexpr int kChars = 224;

class ConvertTest : public CliTest {
  protected:
    // A HEX file of random bytes, 224 characters of the format.
    std::string RandomHexFont(const std::string& name, int bytesPerChar, unsigned seed = 7) {
        std::mt19937 random(seed);
        const std::vector<std::uint8_t> bytes = RandomBytes(random, kChars * bytesPerChar);
        WriteHexFont(name, bytes);
        return PathOf(name);
    }
};

TEST_F(ConvertTest, HexToEverySourceKindAndNotationAndBackGivesTheSameBytes) {
    struct Case {
        const char* format;
        int bytesPerChar;
        int scan;
    };
    for (const Case& font : {Case{"6 x 8", 6, 1}, Case{"16 x 24", 48, 2}, Case{"5 x 8", 5, 0},
                             Case{"8 x 16", 16, 3}}) {
        const std::string hex = RandomHexFont("font.hex", font.bytesPerChar);
        const std::string original = ReadWholeFile(hex);
        const std::vector<std::string> given = {"--format", font.format, "--scan",
                                                std::to_string(font.scan)};
        for (const char* kind : {"data", "db", "code"}) {
            for (const char* notation : kNumberNotations) {
                SCOPED_TRACE(std::string(font.format) + " " + kind + " " + notation);
                std::vector<std::string> there = {
                    "convert", hex, PathOf("font.fnt"), "--kind", kind, "--notation", notation};
                there.insert(there.end(), given.begin(), given.end());
                ASSERT_EQ(RunExecutable(there).status, kExitOk);
                std::vector<std::string> back = {"convert", PathOf("font.fnt"), PathOf("back.hex")};
                back.insert(back.end(), given.begin(), given.end());
                const CliRun run = RunExecutable(back);
                ASSERT_EQ(run.status, kExitOk) << run.err;
                EXPECT_EQ(ReadWholeFile(PathOf("back.hex")), original);
                EXPECT_TRUE(run.out.empty() && run.err.empty()) << "nothing said on success";
            }
        }
    }
}

TEST_F(ConvertTest, WritesExactlyWhatExportWritesForTheOptionsGiven) {
    // Two 6 x 8 characters as in the export's worked example: a blank and "!" (00 00 5F 00 00 00).
    std::vector<std::uint8_t> bytes(kChars * 6, 0);
    bytes[8] = 0x5F;
    WriteHexFont("ex.hex", bytes);
    const std::vector<std::string> load = {PathOf("ex.hex"), "--format", "6 x 8", "--range",
                                           "32-33"};
    const auto convert = [&](const std::string& out, std::vector<std::string> extra) {
        std::vector<std::string> args = {"convert", load[0], PathOf(out)};
        args.insert(args.end(), load.begin() + 1, load.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return RunExecutable(args).status;
    };
    ASSERT_EQ(convert("a.fnt", {"--notation", "0xNN"}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("a.fnt")),
              "Data 0x00,0x00,0x00,0x00,0x00,0x00\r\nData 0x00,0x00,0x5F,0x00,0x00,0x00\r\n");
    ASSERT_EQ(convert("b.fnt", {"--kind", "db", "--notation", "NNh"}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("b.fnt")),
              ".db 00h,00h,00h,00h,00h,00h\r\n.db 00h,00h,5Fh,00h,00h,00h\r\n");
    ASSERT_EQ(convert("c.fnt", {"--kind", "code", "--notation", "NNh", "--out-negative"}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("c.fnt")),
              "0FFh,0FFh,0FFh,0FFh,0FFh,0FFh\r\n0FFh,0FFh,0A0h,0FFh,0FFh,0FFh\r\n");
    // HEX by the name alone, in any case, and at the start address given.
    ASSERT_EQ(convert("d.HeX", {}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("d.HeX")),
              ":0C00000000000000000000005F00000095\r\n:00000001FF\r\n");
    ASSERT_EQ(convert("e.hex", {"--address", "0x1000"}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("e.hex")).substr(0, 9), ":0C100000");
    // The firmware kinds with their options.
    ASSERT_EQ(convert("f.bin", {"--kind", "bin", "--out-negative"}), kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("f.bin")), std::string(8, '\xFF') + "\xA0\xFF\xFF\xFF");
    ASSERT_EQ(convert("g.h", {"--kind", "c", "--name", "ex", "--art", "--flash", "progmem"}),
              kExitOk);
    const std::string header = ReadWholeFile(PathOf("g.h"));
    for (const char* line :
         {"#define EX_COUNT 2\r\n", "static const uint8_t ex[12] PROGMEM = {\r\n",
          "    /* 0x21 '!' */\r\n    /* ..#... */\r\n",
          "    0x00, 0x00, 0x5F, 0x00, 0x00, 0x00,\r\n"}) {
        EXPECT_NE(header.find(line), std::string::npos) << line;
    }
    ASSERT_EQ(
        convert("h.bdf", {"--kind", "bdf", "--bdf-encoding", "cp1251", "--baseline-row", "6"}),
        kExitOk);
    const std::string bdf = ReadWholeFile(PathOf("h.bdf"));
    for (const char* line :
         {"FONT_ASCENT 7\n", "FONT_DESCENT 1\n", "ENCODING 33\n", "BBX 6 8 0 -1\n"}) {
        EXPECT_NE(bdf.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(convert("i.h", {"--kind", "gfx", "--name", "1x"}), kExitRefused);
    EXPECT_FALSE(std::filesystem::exists(PathOf("i.h")));
}

TEST_F(ConvertTest, OutputPolarityFollowsTheLoadedFontUnlessToldOtherwise) {
    std::vector<std::uint8_t> bytes(kChars * 8, 0x0F);
    WriteHexFont("n.hex", bytes);
    const std::vector<std::string> negative = {"--format", "8 x 8", "--negative"};
    const auto firstValue = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {
            "convert", PathOf("n.hex"), PathOf("n.fnt"), "--kind", "code", "--notation", "$NN"};
        args.insert(args.end(), negative.begin(), negative.end());
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(RunExecutable(args).status, kExitOk);
        return ReadWholeFile(PathOf("n.fnt")).substr(0, 3);
    };
    EXPECT_EQ(firstValue({}), "$0F") << "a negative font is written negative again";
    EXPECT_EQ(firstValue({"--out-positive"}), "$F0");
    EXPECT_EQ(firstValue({"--out-negative"}), "$0F");
    std::vector<std::string> both = {"convert", PathOf("n.hex"),  PathOf("x.fnt"), "--format",
                                     "8 x 8",   "--out-negative", "--out-positive"};
    EXPECT_EQ(RunExecutable(both).status, kExitFailed);
}

TEST_F(ConvertTest, RefusedValuesEndWithStatusOneAndLeaveTheOutputAsItWas) {
    const std::string hex = RandomHexFont("r.hex", 6);
    const std::string target = PathOf("kept.fnt");
    WriteWholeFile(target, "old contents");
    struct Case {
        std::vector<std::string> options;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--format", "6 x 8", "--range", "40-40"}, std::string(kRangeRefused)},
        {{"--format", "6 x 8", "--range", "31-40"}, std::string(kRangeRefused)},
        {{"--format", "6 x 8", "--range", "40-256"}, std::string(kRangeRefused)},
        {{"--format", "6 x 8", "--range", "40"}, std::string(kRangeRefused)},
        {{"--format", "6 x 8", "--kind", "hex", "--address", "32768"},
         std::string(kStartAddressRefused)},
        {{"--format", "6 x 8", "--kind", "hex", "--address", "0X1000"},
         std::string(kStartAddressRefused)},
        {{"--format", "7 x 8"}, cli::kUnknownFormat},
        {{"--format", "6 x 8", "--scan", "2"}, cli::kScanNotOffered},
        {{"--format", "5 x 8", "--scan", "3"}, cli::kScanNotOffered},
        {{"--format", "8 x 8", "--scan", "4"}, cli::kScanNotOffered},
        {{}, kNotRecognisedText},  // random bytes resemble no model glyph
    };
    for (const Case& refused : cases) {
        std::vector<std::string> args = {"convert", hex, target};
        args.insert(args.end(), refused.options.begin(), refused.options.end());
        const CliRun run = RunExecutable(args);
        EXPECT_EQ(run.status, kExitRefused) << refused.options.size();
        EXPECT_NE(run.err.find(cli::TerminalLines(refused.message).substr(0, 20)),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(ReadWholeFile(target), "old contents");
    }
}

TEST_F(ConvertTest, UnreadableInputSyntaxErrorsAndUsageErrorsEndWithStatusTwo) {
    WriteWholeFile(PathOf("bad.fnt"), "Data 0x01,0x02\r\nData 0x03,65\r\n");
    WriteWholeFile(PathOf("cut.hex"), ":0100000041BE\r\n");
    const std::string target = PathOf("out.fnt");
    const std::vector<std::vector<std::string>> cases = {
        {"convert", PathOf("missing.fnt"), target, "--format", "8 x 8"},
        {"convert", PathOf("missing.fnt"), target},
        {"convert", PathOf("bad.fnt"), target, "--format", "8 x 8"},
        {"convert", PathOf("bad.fnt"), target},
        {"convert", PathOf("cut.hex"), target, "--format", "8 x 8"},
        {"convert", PathOf("bad.fnt")},
        {"convert", PathOf("bad.fnt"), target, "--kind", "asm"},
        {"convert", PathOf("bad.fnt"), target, "--notation", "0XNN"},
        {"convert", PathOf("bad.fnt"), target, "--scan", "1"},
        {"convert", PathOf("bad.fnt"), target, "--format", "8 x 8", "--address", "0"},
        {"frobnicate"},
        {},
    };
    for (const auto& args : cases) {
        const CliRun run = RunExecutable(args);
        EXPECT_EQ(run.status, kExitFailed) << (args.size() > 1 ? args[1] : "");
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(std::filesystem::exists(target));
    }
    const CliRun syntax =
        RunExecutable({"convert", PathOf("bad.fnt"), target, "--format", "8 x 8"});
    EXPECT_NE(syntax.err.find(kSyntaxError), std::string::npos) << syntax.err;
    const CliRun missing = RunExecutable({"convert", PathOf("missing.fnt"), target});
    EXPECT_NE(missing.err.find("missing.fnt"), std::string::npos) << missing.err;
}

TEST_F(ConvertTest, AnOutputThatCannotBeWrittenIsToldAndEndsWithStatusTwo) {
    const std::string hex = RandomHexFont("w.hex", 8);
    const CliRun run =
        RunExecutable({"convert", hex, PathOf("no/such/dir/out.fnt"), "--format", "8 x 8"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_NE(run.err.find(kSaveFailed), std::string::npos) << run.err;
}

// The bytes of a HEX file, as the import reads them.
std::vector<std::uint8_t> HexBytes(const std::string& path) {
    FakeHost host;
    std::vector<std::uint8_t> bytes(kFontDataCapacity, 0);
    const ReadResult read = ReadFontFile(path, bytes, false, host);
    EXPECT_FALSE(read.failure);
    bytes.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
    return bytes;
}

TEST_F(ConvertTest, RescanThereAndBackRestoresTheFile) {
    const std::string hex = RandomHexFont("v1.hex", 32);
    ASSERT_EQ(
        RunExecutable({"convert", hex, PathOf("h2.hex"), "--format", "16 x 16", "--rescan", "3"})
            .status,
        kExitOk);
    EXPECT_NE(ReadWholeFile(PathOf("h2.hex")), ReadWholeFile(hex));
    ASSERT_EQ(RunExecutable({"convert", PathOf("h2.hex"), PathOf("back.hex"), "--format", "16 x 16",
                             "--scan", "3", "--rescan", "0"})
                  .status,
              kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("back.hex")), ReadWholeFile(hex));
}

TEST_F(ConvertTest, RescanRepacksEachCharacterDotForDot) {
    // An 8 x 8 "L" in "вертикально 1" is 7F 40 40 40 40 40 00 00; in "вертикально 2" each byte's
    // bits come reversed, in "горизонтально 1" the bytes are rows, leftmost dot in bit 7.
    std::vector<std::uint8_t> font(kChars * 8, 0);
    const std::uint8_t letter[] = {0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00};
    std::copy(std::begin(letter), std::end(letter), font.begin() + 44 * 8);
    WriteHexFont("l.hex", font);
    const auto glyphAfter = [&](const char* scan) {
        EXPECT_EQ(RunExecutable({"convert", PathOf("l.hex"), PathOf("out.hex"), "--format", "8 x 8",
                                 "--rescan", scan})
                      .status,
                  kExitOk);
        const std::vector<std::uint8_t> bytes = HexBytes(PathOf("out.hex"));
        return std::vector<std::uint8_t>(bytes.begin() + 44 * 8, bytes.begin() + 45 * 8);
    };
    EXPECT_EQ(glyphAfter("1"),
              (std::vector<std::uint8_t>{0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00}));
    EXPECT_EQ(glyphAfter("2"),
              (std::vector<std::uint8_t>{0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFC, 0x00}));
}

TEST_F(ConvertTest, EnlargesASixByEightFontToTwelveBySixteen) {
    // 6 -> 12 columns: each group of three old columns, its last one three times more;
    // 8 -> 16 rows: every row twice.
    constexpr int kColumnOf[12] = {0, 1, 2, 2, 2, 2, 3, 4, 5, 5, 5, 5};
    for (const int scan : {0, 1}) {
        SCOPED_TRACE(scan);
        std::mt19937 random(static_cast<unsigned>(scan + 1));
        std::vector<std::uint8_t> font = RandomBytes(random, kChars * 6);
        std::fill_n(font.begin() + 6 * 100, 6, std::uint8_t{0});  // one blank character
        WriteHexFont("small.hex", font);
        const CliRun run =
            RunExecutable({"convert", PathOf("small.hex"), PathOf("big.hex"), "--format", "6 x 8",
                           "--scan", std::to_string(scan), "--enlarge", "12 x 16"});
        ASSERT_EQ(run.status, kExitOk) << run.err;
        const std::vector<std::uint8_t> big = HexBytes(PathOf("big.hex"));
        ASSERT_EQ(big.size(), static_cast<std::size_t>(kChars * 24));
        for (int index = 0; index < kChars; ++index) {
            const std::span<const std::uint8_t> from(font.data() + index * 6, 6);
            const std::span<const std::uint8_t> to(big.data() + index * 24, 24);
            for (int row = 0; row < 16; ++row) {
                for (int column = 0; column < 12; ++column) {
                    ASSERT_EQ(GlyphDot(to, scan, 12, row, column),
                              GlyphDot(from, scan, 6, row / 2, kColumnOf[column]))
                        << "character " << index << " row " << row << " column " << column;
                }
            }
        }
    }
}

TEST_F(ConvertTest, ScansAndEnlargementsTheEditorWouldNotOfferAreRefused) {
    const std::string six = RandomHexFont("six.hex", 6);
    const std::string eight = RandomHexFont("eight.hex", 8);
    const std::vector<std::vector<std::string>> cases = {
        {six, "--format", "6 x 8", "--rescan", "2"},
        {eight, "--format", "8 x 8", "--rescan", "4"},
        {six, "--format", "6 x 8", "--enlarge", "6 x 8"},
        {eight, "--format", "8 x 8", "--enlarge", "6 x 8"},
        {eight, "--format", "8 x 8", "--scan", "2", "--enlarge", "12 x 16"},
        {eight, "--format", "8 x 8", "--rescan", "3", "--enlarge", "12 x 16"},
        {eight, "--format", "8 x 8", "--enlarge", "12 x 12"},
    };
    for (const auto& options : cases) {
        std::vector<std::string> args = {"convert"};
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.begin() + 2, PathOf("out.hex"));
        const CliRun run = RunExecutable(args);
        EXPECT_EQ(run.status, kExitRefused) << args.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("out.hex")));
    // The same enlargement is offered to a vertical 8 x 8 font.
    EXPECT_EQ(RunExecutable({"convert", eight, PathOf("out.hex"), "--format", "8 x 8", "--enlarge",
                             "12 x 16"})
                  .status,
              kExitOk);
}

TEST_F(ConvertTest, TheRefusalNamesEnlargementsAsTheOptionTakesThem) {
    const std::string eight = RandomHexFont("eight.hex", 8);
    const CliRun refused = RunExecutable({"convert", eight, PathOf("out.hex"), "--format", "8 x 8",
                                          "--scan", "2", "--enlarge", "12 x 16"});
    ASSERT_EQ(refused.status, kExitRefused);
    const std::size_t list = refused.err.find(cli::kEnlargementsOffered);
    ASSERT_NE(list, std::string::npos) << refused.err;
    const std::size_t first = list + std::string_view(cli::kEnlargementsOffered).size();
    const std::string offered = refused.err.substr(first, refused.err.find(',', first) - first);
    EXPECT_EQ(offered, "8 x 16");
    const CliRun taken = RunExecutable({"convert", eight, PathOf("out.hex"), "--format", "8 x 8",
                                        "--scan", "2", "--enlarge", offered});
    EXPECT_EQ(taken.status, kExitOk) << taken.err;
}

TEST_F(ConvertTest, MoreDataThanTheGivenFormatHoldsIsRefusedNotCut) {
    const std::string target = PathOf("out.hex");
    WriteWholeFile(target, "old contents");
    std::mt19937 random(3);
    WriteHexFont("over.hex", RandomBytes(random, kFontBytes + 1));
    const CliRun run =
        RunExecutable({"convert", PathOf("over.hex"), target, "--format", "48 x 56"});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_NE(run.err.find(cli::TerminalLines(kTooMuchData)), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(target), "old contents");
}

TEST(ConvertOptions, KindAndRangeWords) {
    EXPECT_EQ(cli::OutputFormatOfKind(std::nullopt, "a.HEX"), "Intel HEX");
    EXPECT_EQ(cli::OutputFormatOfKind(std::nullopt, "a.hEx"), "Intel HEX");
    EXPECT_EQ(cli::OutputFormatOfKind(std::nullopt, "a.fnt"), "Data code");
    EXPECT_EQ(cli::OutputFormatOfKind(std::nullopt, "ex"), "Data code");
    EXPECT_EQ(cli::OutputFormatOfKind("db", "a.hex"), ".Db code");
    EXPECT_EQ(cli::OutputFormatOfKind("code", "a.fnt"), "Code");
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(cli::SplitRange("192-255"), (Pair{"192", "255"}));
    EXPECT_EQ(cli::SplitRange("-5-40"), (Pair{"-5", "40"}));
    EXPECT_EQ(cli::SplitRange("&h20-&hFF"), (Pair{"&h20", "&hFF"}));
    EXPECT_EQ(cli::SplitRange("32"), std::nullopt);
    EXPECT_EQ(cli::SplitRange(""), std::nullopt);
}

TEST_F(ConvertTest, ABdfFontIsDrawnIntoItsSmallestFormatOrTheOneGiven) {
    std::string bdf =
        "STARTFONT 2.1\nFONT -x-be\nSIZE 8 75 75\nFONTBOUNDINGBOX 5 3 0 0\nSTARTPROPERTIES 2\n"
        "CHARSET_REGISTRY \"MICROSOFT\"\nCHARSET_ENCODING \"CP1251\"\nENDPROPERTIES\nCHARS 1\n"
        "STARTCHAR Be\nENCODING 193\nBBX 5 3 0 0\nBITMAP\nF8\n80\nF0\nENDCHAR\nENDFONT\n";
    WriteWholeFile(PathOf("be.bdf"), bdf);
    const auto Converted = [&](std::vector<std::string> given) {
        std::vector<std::string> args{"convert", PathOf("be.bdf"), PathOf("out.hex")};
        args.insert(args.end(), given.begin(), given.end());
        EXPECT_EQ(RunInProcess(args).status, kExitOk);
        FakeHost host;
        std::vector<std::uint8_t> bytes(kFontBytes, 0);
        const ReadResult read = ReadFontFile(PathOf("out.hex"), bytes, false, host);
        bytes.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
        return bytes;
    };
    const std::vector<std::uint8_t> smallest = Converted({});
    ASSERT_EQ(smallest.size(), 224U * 5U) << "5 x 8";
    const std::vector<std::uint8_t> given = Converted({"--format", "8 x 8", "--scan", "2"});
    ASSERT_EQ(given.size(), 224U * 8U);
    EXPECT_EQ(std::vector<std::uint8_t>(given.begin() + (193 - 32) * 8,
                                        given.begin() + (193 - 32) * 8 + 4),
              (std::vector<std::uint8_t>{0xF8, 0x80, 0xF0, 0x00}));

    bdf.erase(bdf.find("ENDFONT"));
    WriteWholeFile(PathOf("be.bdf"), bdf);
    const CliRun damaged = RunInProcess({"convert", PathOf("be.bdf"), PathOf("out.hex")});
    EXPECT_EQ(damaged.status, kExitFailed);
    EXPECT_NE(damaged.err.find("Файл BDF поврежден, строка 17: нет ENDFONT."), std::string::npos)
        << damaged.err;
}

// A C header or BDF file this program wrote names its format, scan, polarity and codes, so it
// comes back without recognition (random dots would defeat it) and without parameters given.
TEST_F(ConvertTest, OwnCHeaderAndBdfComeBackWithoutParametersGiven) {
    struct Kind {
        std::vector<std::string> options;
        bool everyScan;
    };
    const std::vector<Kind> kinds = {{{"--kind", "c", "--art"}, true},
                                     {{"--kind", "bdf", "--bdf-encoding", "cp1251"}, false}};
    const std::vector<std::string> range = {"--range", "65-150"};
    for (std::size_t format = 0; format < kCellFormats.size(); ++format) {
        const std::string hex = RandomHexFont("font.hex", kCellFormats[format].bytesPerChar,
                                              static_cast<unsigned>(format));
        for (const Kind& kind : kinds) {
            for (int scan = 0; scan < kScanCount; ++scan) {
                if (!ScanOffered(kCellFormats[format].width, scan) ||
                    (!kind.everyScan && scan != kScanHorizontal1 && scan != kScanVertical2)) {
                    continue;
                }
                for (const char* polarity : {"--out-positive", "--out-negative"}) {
                    SCOPED_TRACE(std::string(kCellFormats[format].name) + " " + kind.options[1] +
                                 " scan " + std::to_string(scan) + " " + polarity);
                    std::vector<std::string> given = {"--format",
                                                      std::string(kCellFormats[format].name),
                                                      "--scan", std::to_string(scan)};
                    std::vector<std::string> part = {"convert", hex, PathOf("part.hex")};
                    part.insert(part.end(), given.begin(), given.end());
                    part.insert(part.end(), range.begin(), range.end());
                    ASSERT_EQ(RunExecutable(part).status, kExitOk);

                    std::vector<std::string> there = {"convert", hex, PathOf("font.out"), polarity};
                    there.insert(there.end(), given.begin(), given.end());
                    there.insert(there.end(), range.begin(), range.end());
                    there.insert(there.end(), kind.options.begin(), kind.options.end());
                    ASSERT_EQ(RunExecutable(there).status, kExitOk);
                    const std::string written =
                        PathOf(kind.options[1] == "c" ? "font.h" : "font.bdf");
                    std::filesystem::rename(PathOf("font.out"), written);

                    std::vector<std::string> back = {"convert", written, PathOf("back.hex"),
                                                     "--out-positive"};
                    back.insert(back.end(), range.begin(), range.end());
                    const CliRun run = RunExecutable(back);
                    ASSERT_EQ(run.status, kExitOk) << run.err;
                    EXPECT_EQ(ReadWholeFile(PathOf("back.hex")), ReadWholeFile(PathOf("part.hex")));
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixmora::test
