// pixmora-cli on a C source with two arrays: info --json lists them, --array chooses one, and a
// name the file does not hold is refused.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/array_option.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "import/source_styles.h"
#include "import/synthetic_font.h"
#include "io/font_reader.h"
#include "io/model_file.h"
#include "support/fake_host.h"

namespace pixmora::test {
namespace {

using nlohmann::json;

class SourceArrayCliTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        WriteModelDir(models);
        // 128 characters from code 0 behind a table of widths.
        Bytes table(32 * 8, 0);
        table.insert(table.end(), font.begin(), font.begin() + 96 * 8);
        WriteWholeFile(PathOf("font.c"), FlatProgmemC("widths", {}, Bytes(96, 8), 16) +
                                             TwoDimensionalC("uint8_t", "font", table, 8, 0));
    }

    CliRun Run(std::vector<std::string> args) const {
        args.insert(args.end(), {"--models", PathOf("models")});
        return RunExecutable(args);
    }

    std::mt19937 random{9};
    std::array<Bytes, kFormatCount> models = RandomModels(random);
    Bytes font = FontFromModel(models[1], 1, 2, kScanHorizontal2, false);
};

TEST_F(SourceArrayCliTest, InfoListsTheArraysAndReadsTheLargest) {
    const CliRun run = Run({"info", PathOf("font.c"), "--json"});
    ASSERT_EQ(run.status, cli::kExitOk) << run.err;
    const json info = json::parse(run.out);
    EXPECT_EQ(info["format"], "8 x 8");
    EXPECT_EQ(info["scan"], kScanHorizontal2);
    EXPECT_EQ(info["bytes_read"], 96 * 8);
    const json& source = info["source"];
    EXPECT_EQ(source["arrays"], json::parse(R"([{"name": "widths", "elements": 96, "bytes": 96},
                                               {"name": "font", "elements": 1024, "bytes": 1024}])"));
    EXPECT_EQ(source["array"], "font");
    EXPECT_TRUE(source["header"].is_null());
    EXPECT_EQ(source["first_code"], 0);
    EXPECT_EQ(source["dropped_before_32"], 32);

    const CliRun widths = Run({"info", PathOf("font.c"), "--json", "--array", "widths"});
    ASSERT_EQ(widths.status, cli::kExitOk) << widths.err;
    EXPECT_EQ(json::parse(widths.out)["source"]["array"], "widths");
    EXPECT_EQ(json::parse(widths.out)["recognised"], false);
}

TEST_F(SourceArrayCliTest, ConvertWritesTheChosenArrayFromCode32) {
    for (const std::vector<std::string>& given :
         {std::vector<std::string>{"--array", "font"},
          std::vector<std::string>{"--format", "8 x 8", "--scan", "3", "--array", "font"}}) {
        std::vector<std::string> args{"convert", PathOf("font.c"), PathOf("out.fnt")};
        args.insert(args.end(), given.begin(), given.end());
        const CliRun run = Run(args);
        ASSERT_EQ(run.status, cli::kExitOk) << run.err;
        FakeHost host;
        Bytes written(kFontBytes, 0);
        const ReadResult read = ReadFontFile(PathOf("out.fnt"), written, false, host);
        ASSERT_EQ(read.LastIndexRead + 1, 224 * 8);
        EXPECT_TRUE(std::equal(font.begin(), font.begin() + 96 * 8, written.begin()));
        EXPECT_TRUE(std::all_of(written.begin() + 96 * 8, written.begin() + 224 * 8,
                                [](std::uint8_t b) { return b == 0; }));
    }
}

TEST_F(SourceArrayCliTest, AnArrayTheFileDoesNotHoldIsRefused) {
    const CliRun run = Run({"info", PathOf("font.c"), "--array", "font16"});
    EXPECT_EQ(run.status, cli::kExitRefused);
    EXPECT_EQ(run.err, "No array of this name in the file: font16\nIts arrays: widths, font\n");

    WriteHexFont("font.hex", font);
    const CliRun hex = Run({"render", PathOf("font.hex"), PathOf("out.png"), "--array", "font"});
    EXPECT_EQ(hex.status, cli::kExitRefused);
    EXPECT_EQ(hex.err, std::string(cli::kNotSourceCode) + "\n");
}

}  // namespace
}  // namespace pixmora::test
