// pixmora-cli find run in-process on images the test makes: a font that rasterise drew, laid into
// program-like bytes, is listed and extracted; an image without one and a bad image end with their
// exit codes.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "cli/exit_codes.h"
#include "cli/find_command.h"
#include "cli_test_support.h"
#include "fontfile/system_fonts.h"
#include "io/firmware_image.h"
#include "io/font_reader.h"
#include "support/fake_host.h"

namespace pixmora::test {
namespace {

class FindCommand : public CliTest {};

TEST_F(FindCommand, ListsAndExtractsADrawnFontInAnImage) {
    PIXMORA_NEEDS_FONT(kDejaVuMono);
    ASSERT_EQ(RunInProcess({"rasterise", kDejaVuMono, PathOf("f.fnt"), "--format", "8 x 8"}).status,
              cli::kExitOk);
    FakeHost host;
    std::vector<std::uint8_t> font(kFontBytes, 0);
    const ReadResult read = ReadFontFile(PathOf("f.fnt"), font, false, host);
    ASSERT_FALSE(read.failure || read.ImportAborted);
    font.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
    std::mt19937 random(3);
    std::vector<std::uint8_t> image(6000);
    for (auto& byte : image) {
        byte = static_cast<std::uint8_t>(random());
    }
    image.insert(image.begin() + 3000, font.begin(), font.end());
    std::ofstream(PathOf("image.bin"), std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));

    const CliRun listed = RunInProcess({"find", PathOf("image.bin"), "--json"});
    ASSERT_EQ(listed.status, cli::kExitOk) << listed.err;
    const nlohmann::json json = nlohmann::json::parse(listed.out);
    ASSERT_FALSE(json.empty());
    EXPECT_EQ(json[0]["format"], "8 x 8");
    EXPECT_EQ(json[0]["scan"], 0);
    EXPECT_EQ(json[0]["negative"], false);

    ASSERT_EQ(
        RunInProcess({"find", PathOf("image.bin"), "--extract", "1", PathOf("out.fnt")}).status,
        cli::kExitOk);
    const nlohmann::json info =
        nlohmann::json::parse(RunInProcess({"info", PathOf("out.fnt"), "--json"}).out);
    EXPECT_EQ(info["format"], "8 x 8");
    EXPECT_EQ(
        RunInProcess({"find", PathOf("image.bin"), "--extract", "99", PathOf("x.fnt")}).status,
        cli::kExitRefused);
}

TEST_F(FindCommand, NothingFoundAndBadImagesHaveTheirExitCodes) {
    std::ofstream(PathOf("zeros.bin"), std::ios::binary) << std::string(4096, '\0');
    const CliRun none = RunInProcess({"find", PathOf("zeros.bin")});
    EXPECT_EQ(none.status, cli::kExitRefused);
    EXPECT_NE(none.err.find(cli::kNothingFound), std::string::npos);

    std::ofstream(PathOf("empty.bin"), std::ios::binary).close();
    const CliRun empty = RunInProcess({"find", PathOf("empty.bin")});
    EXPECT_EQ(empty.status, cli::kExitFailed);
    EXPECT_NE(empty.err.find(kImageEmpty), std::string::npos);

    std::ofstream(PathOf("broken.hex"), std::ios::binary) << ":0400000001\r\n";
    const CliRun broken = RunInProcess({"find", PathOf("broken.hex")});
    EXPECT_EQ(broken.status, cli::kExitFailed);
    EXPECT_NE(broken.err.find(kHexBadRecord), std::string::npos);
}

}  // namespace
}  // namespace pixmora::test
