// Fonts that other people made for their displays, recognised through the model files shipped
// beside the program. Each .fnt names what it must read as in a line "// expect: W=.. H=.. scan=..
// polarity=.. ... cyrillic=.. [supported=no]"; a .hex file reads as its .fnt twin. "supported=no"
// names a cell that no format had then; where the format table now has it, the file must read as
// it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "import/recognise_font.h"
#include "io/font_reader.h"
#include "io/font_writer.h"
#include "io/model_file.h"
#include "model/formats.h"
#include "reference_recognition.h"
#include "support/fake_host.h"
#include "support/fixture_expectation.h"
#include "support/scratch_dir.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FixtureFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PIXMORA_FIXTURES_DIR)) {
        const auto extension = entry.path().extension();
        if (extension == ".fnt" || extension == ".hex") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class RealFixture : public ::testing::TestWithParam<std::string> {};

TEST_P(RealFixture, RecognisedAsItsSourceSays) {
    const fs::path path = fs::path(PIXMORA_FIXTURES_DIR) / GetParam();
    auto expect = test::FixtureExpectation(fs::path(path).replace_extension(".fnt"));
    ASSERT_FALSE(expect.empty()) << "no expect line for " << GetParam();

    test::FakeHost host;  // programDir "." is the runtime directory with Model/
    const FontRecognition got = RecogniseFont(path.string(), host);
    ASSERT_FALSE(got.failure) << *got.failure;
    ASSERT_FALSE(got.ImportAborted);
    EXPECT_TRUE(host.messages.empty());

    const Recognition& found = got.found;
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.candidate.formatIndex)];
    const std::string readAs = std::string(format.name) + " scan " +
                               std::to_string(found.candidate.scan) +
                               (found.candidate.negative ? " negative" : " positive") + " class " +
                               std::to_string(found.CharSetClass);
    // A cell no format of the table had when the fixture was written may have one now.
    const bool supported = expect["supported"] != "no" ||
                           FormatIndex(std::stoi(expect["W"]), std::stoi(expect["H"])).has_value();
    if (!supported) {
        EXPECT_FALSE(found.Recognised) << "read as " << readAs;
        return;
    }
    ASSERT_TRUE(found.Recognised) << "not recognised";
    EXPECT_EQ(format.width, std::stoi(expect["W"])) << readAs;
    EXPECT_EQ(format.height, std::stoi(expect["H"])) << readAs;
    EXPECT_EQ(found.candidate.scan, std::stoi(expect["scan"])) << readAs;
    EXPECT_EQ(found.candidate.negative, expect["polarity"] == "negative") << readAs;
    if (expect["cyrillic"] == "none") {
        // Other glyphs at codes 192..195 (box drawing) may resemble a little; missing ones none.
        EXPECT_NE(found.coverage[kCyrillic], Coverage::Yes) << readAs;
        if (std::stoi(expect["count"]) <= 160) {
            EXPECT_EQ(found.coverage[kCyrillic], Coverage::No) << readAs;
        }
    }
    EXPECT_TRUE(found.coverage[kSigns] == Coverage::Yes ||
                found.coverage[kDigits] == Coverage::Yes || found.coverage[kLatin] == Coverage::Yes)
        << readAs;
}

// The shipped model files against every fixture: the engine scores as the dot-matrix rule does.
TEST_P(RealFixture, EngineScoresEqualTheDotMatrixRule) {
    test::FakeHost host;
    std::vector<std::uint8_t> bytes(kFontBytes, 0);
    const ReadResult read =
        ReadFontFile((fs::path(PIXMORA_FIXTURES_DIR) / GetParam()).string(), bytes, false, host);
    ASSERT_FALSE(read.failure || read.ImportAborted);
    std::vector<ModelFileData> models;
    std::array<std::span<const std::uint8_t>, kFormatCount> spans;
    models.reserve(kFormatCount);
    for (int n = 0; n < kFormatCount; ++n) {
        models.push_back(ReadModelFile(ModelFilePath(".", ModelFileName(n)), host));
        ASSERT_FALSE(models.back().failure || models.back().ImportAborted);
        spans[static_cast<std::size_t>(n)] = models.back().ModelBuffer;
    }
    test::ExpectSameAsReference(bytes, spans);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealFixture, ::testing::ValuesIn(FixtureFiles()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

// The tables that were padded to fit a format of the nine, without their padding: the 5-column
// font without the zero column appended to every character, the 8 x 16 font without the zero byte
// after every row. Unpadded, each reads in the cell its source drew it in.
struct Unpadded {
    const char* fixture;
    std::size_t keep;   // of every `group` bytes the first `keep` are the font's,
    std::size_t group;  // the rest padding
    std::string_view format;
    int scan;
};

class UnpaddedFixture : public test::ScratchDirTest,
                        public ::testing::WithParamInterface<Unpadded> {};

TEST_P(UnpaddedFixture, ReadsInTheCellOfItsSource) {
    const Unpadded& table = GetParam();
    test::FakeHost host;
    std::vector<std::uint8_t> padded(kFontBytes, 0);
    const ReadResult read = ReadFontFile((fs::path(PIXMORA_FIXTURES_DIR) / table.fixture).string(),
                                         padded, false, host);
    ASSERT_FALSE(read.failure || read.ImportAborted);
    padded.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < padded.size(); ++i) {
        if (i % table.group < table.keep) {
            bytes.push_back(padded[i]);
        } else {
            ASSERT_EQ(padded[i], 0) << "byte " << i << " is no padding";
        }
    }
    const std::string path = PathOf("unpadded.fnt");
    {
        std::ofstream out(path, std::ios::binary);
        WriteSourceText(out, bytes, OutputFormat::Code, NumberNotation::ZeroX, 8);
    }

    const FontRecognition got = RecogniseFont(path, host);  // the shipped Model/ beside the tests
    ASSERT_FALSE(got.failure || got.ImportAborted);
    const Recognition& found = got.found;
    ASSERT_TRUE(found.Recognised);
    EXPECT_EQ(kCellFormats[static_cast<std::size_t>(found.candidate.formatIndex)].name,
              table.format);
    EXPECT_EQ(found.candidate.scan, table.scan);
    EXPECT_FALSE(found.candidate.negative);
    // Cyrillic is there too; the 8 x 16 font's thin capitals reach only "???" for it.
    for (Group group : {kSigns, kDigits, kLatin}) {
        EXPECT_EQ(found.coverage[group], Coverage::Yes) << group;
    }
    EXPECT_NE(found.coverage[kCyrillic], Coverage::No);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, UnpaddedFixture,
                         ::testing::Values(Unpadded{"n3310_5x8_cp1251_pad6x8.fnt", 5, 6, "5 x 8",
                                                    kScanVertical1},
                                           Unpadded{"ctester_8x16_win1251_hf_in16x16.fnt", 1, 2,
                                                    "8 x 16", kScanHorizontal2}),
                         [](const auto& info) {
                             return std::string(info.param.format == "5 x 8" ? "Font5x8"
                                                                             : "Font8x16");
                         });

}  // namespace
}  // namespace pixmora
