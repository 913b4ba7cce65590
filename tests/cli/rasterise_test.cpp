// pixmora-cli rasterise run in-process: the round trip through info a user makes, the JSON
// report, the output written as convert writes it, and the refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "fontfile/system_fonts.h"
#include "model/formats.h"

namespace pixmora::test {
namespace {

using cli::kExitFailed;
using cli::kExitOk;
using cli::kExitRefused;

class RasteriseCliTest : public CliTest {};

TEST_F(RasteriseCliTest, ReportsTheSizeBaselineMissingAndCutCharactersAsJson) {
    PIXMORA_NEEDS_FONT(kDejaVuSans);
    const CliRun run =
        RunInProcess({"rasterise", kDejaVuSans, PathOf("f.fnt"), "--format", "8 x 8", "--json"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["format"], "8 x 8");
    EXPECT_EQ(json["size"], 7);
    EXPECT_EQ(json["baseline"], 4);
    const std::vector<int> cut = json["cut"];
    EXPECT_NE(std::find(cut.begin(), cut.end(), 'h'), cut.end());
    const std::vector<int> missing = json["missing"];
    EXPECT_EQ(std::find(missing.begin(), missing.end(), 0x98), missing.end());
    EXPECT_TRUE(std::filesystem::exists(PathOf("f.fnt")));
}

// The output options mean what they mean to convert: the rasterised file converted with them
// equals the file rasterise writes with them.
TEST_F(RasteriseCliTest, WritesItsOutputAsConvertWritesAFont) {
    PIXMORA_NEEDS_FONT(kDejaVuSans);
    const std::vector<std::string> drawing = {"--format", "16 x 16", "--scan", "2", "--size", "12"};
    std::vector<std::string> plain = {"rasterise", kDejaVuSans, PathOf("plain.hex")};
    plain.insert(plain.end(), drawing.begin(), drawing.end());
    ASSERT_EQ(RunInProcess(plain).status, kExitOk);
    const std::vector<std::string> output = {"--kind",  "code",    "--notation",    "0xNN",
                                             "--range", "192-255", "--out-negative"};
    std::vector<std::string> direct = {"rasterise", kDejaVuSans, PathOf("direct.c")};
    direct.insert(direct.end(), drawing.begin(), drawing.end());
    direct.insert(direct.end(), output.begin(), output.end());
    ASSERT_EQ(RunInProcess(direct).status, kExitOk);
    std::vector<std::string> converted = {"convert",  PathOf("plain.hex"), PathOf("converted.c"),
                                          "--format", "16 x 16",           "--scan",
                                          "2"};
    converted.insert(converted.end(), output.begin(), output.end());
    ASSERT_EQ(RunInProcess(converted).status, kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("direct.c")), ReadWholeFile(PathOf("converted.c")));
}

TEST_F(RasteriseCliTest, DrawsAnInstalledFontChosenByFamilyAndStyle) {
    PIXMORA_NEEDS_FONT(kDejaVuSans);
    ASSERT_EQ(RunInProcess({"rasterise", PathOf("by_name.fnt"), "--family", "DejaVu Sans",
                            "--style", "Book", "--format", "8 x 16"})
                  .status,
              kExitOk);
    ASSERT_EQ(RunInProcess({"rasterise", kDejaVuSans, PathOf("by_file.fnt"), "--format", "8 x 16"})
                  .status,
              kExitOk);
    EXPECT_EQ(ReadWholeFile(PathOf("by_name.fnt")), ReadWholeFile(PathOf("by_file.fnt")));
    const CliRun unknown = RunInProcess({"rasterise", PathOf("x.fnt"), "--family", "No Such Font",
                                         "--style", "Book", "--format", "8 x 8"});
    EXPECT_EQ(unknown.status, kExitFailed);
    EXPECT_NE(unknown.err.find("No installed font of this family and style: No Such Font Book"),
              std::string::npos);
}

TEST_F(RasteriseCliTest, RefusesBadFontsAndValuesAndWritesNothing) {
    WriteWholeFile(PathOf("junk.ttf"), std::string(2000, 'x'));
    const CliRun junk =
        RunInProcess({"rasterise", PathOf("junk.ttf"), PathOf("o.fnt"), "--format", "8 x 8"});
    EXPECT_EQ(junk.status, kExitFailed);
    EXPECT_NE(junk.err.find("Файл не является шрифтом или поврежден"), std::string::npos);
    WriteWholeFile(PathOf("bad.psf"), std::string("\x36\x04\x02\x10", 4));
    const CliRun psf =
        RunInProcess({"rasterise", PathOf("bad.psf"), PathOf("o.fnt"), "--format", "8 x 16"});
    EXPECT_EQ(psf.status, kExitFailed);
    EXPECT_NE(psf.err.find("Заголовок шрифта PSF поврежден"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("o.fnt")));

    PIXMORA_NEEDS_FONT(kDejaVuSans);
    const auto status = [&](const std::vector<std::string>& more) {
        std::vector<std::string> args = {"rasterise", kDejaVuSans, PathOf("o.fnt")};
        args.insert(args.end(), more.begin(), more.end());
        return RunInProcess(args).status;
    };
    EXPECT_EQ(status({"--format", "7 x 9"}), kExitRefused);
    EXPECT_EQ(status({"--format", "12 x 16", "--scan", "2"}), kExitRefused);
    EXPECT_EQ(status({"--format", "8 x 8", "--size", "0"}), kExitRefused);
    EXPECT_EQ(status({"--format", "8 x 8", "--size", "big"}), kExitRefused);
    EXPECT_EQ(status({"--format", "8 x 8", "--threshold", "0"}), kExitFailed);
    EXPECT_EQ(status({"--format", "8 x 8", "--address", "0"}), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(PathOf("o.fnt")));
}

}  // namespace
}  // namespace pixmora::test
