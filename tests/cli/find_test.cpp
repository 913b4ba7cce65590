// pixmora-cli find run in-process on images the test makes: a font that rasterise drew, laid into
// program-like bytes, is listed and extracted; an image without one and a bad image end with their
// exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

// DejaVu Sans Mono drawn by rasterise as an 8 x 8 font into `fontPath`, laid `at` bytes into
// `size` random bytes that go to `imagePath`.
void WriteImageWithDrawnFont(const std::string& fontPath, const std::string& imagePath,
                             const std::vector<std::string>& drawOptions, std::size_t size,
                             std::size_t at) {
    std::vector<std::string> draw{"rasterise", kDejaVuMono, fontPath, "--format", "8 x 8"};
    draw.insert(draw.end(), drawOptions.begin(), drawOptions.end());
    ASSERT_EQ(RunInProcess(draw).status, cli::kExitOk);
    FakeHost host;
    std::vector<std::uint8_t> font(kFontBytes, 0);
    const ReadResult read = ReadFontFile(fontPath, font, false, host);
    ASSERT_FALSE(read.failure || read.ImportAborted);
    font.resize(static_cast<std::size_t>(read.LastIndexRead + 1));
    std::mt19937 random(3);
    std::vector<std::uint8_t> image(size);
    for (auto& byte : image) {
        byte = static_cast<std::uint8_t>(random());
    }
    image.insert(image.begin() + static_cast<std::ptrdiff_t>(at), font.begin(), font.end());
    std::ofstream(imagePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
}

TEST_F(FindCommand, ListsAndExtractsADrawnFontInAnImage) {
    PIXMORA_NEEDS_FONT(kDejaVuMono);
    ASSERT_NO_FATAL_FAILURE(
        WriteImageWithDrawnFont(PathOf("f.fnt"), PathOf("image.bin"), {}, 6000, 3000));

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

TEST_F(FindCommand, AnImageWithoutAFontIsNotFound) {
    std::ofstream(PathOf("zeros.bin"), std::ios::binary) << std::string(4096, '\0');
    const CliRun none = RunInProcess({"find", PathOf("zeros.bin")});
    EXPECT_EQ(none.status, cli::kExitRefused);
    EXPECT_NE(none.err.find(cli::kNothingFound), std::string::npos);
}

struct BadImage {
    const char* name;
    std::string content;
    std::string message;  // the reader's message, or its start where a line number follows
    friend void PrintTo(const BadImage& bad, std::ostream* out) { *out << bad.name; }
};

class FindBadImage : public CliTest, public ::testing::WithParamInterface<BadImage> {};

// The built executable: a reader's refusal is an exit code and one message, never a crash.
TEST_P(FindBadImage, EndsWithExitCode2AndTheReadersMessage) {
    const BadImage& bad = GetParam();
    std::ofstream(PathOf(bad.name), std::ios::binary) << bad.content;
    const CliRun run = RunExecutable({"find", PathOf(bad.name)});
    EXPECT_EQ(run.status, cli::kExitFailed) << run.err;
    EXPECT_EQ(run.err.substr(0, bad.message.size()), bad.message);
    EXPECT_TRUE(run.out.empty());
}

std::string ElfHeader(std::uint8_t elfClass, std::uint8_t version) {
    std::string header(
        "\x7F"
        "ELF",
        4);
    header += static_cast<char>(elfClass);
    header += '\x01';  // little-endian
    header += static_cast<char>(version);
    return header + std::string(57, '\0');
}

// A 32-bit header whose one section header lies far past the end of the file.
std::string SectionTableOutside() {
    std::string header = ElfHeader(1, 1);
    header[32 + 3] = '\x7F';  // e_shoff
    header[46] = 40;          // e_shentsize
    header[48] = 1;           // e_shnum
    return header;
}

INSTANTIATE_TEST_SUITE_P(
    Readers, FindBadImage,
    ::testing::Values(BadImage{"empty.bin", "", kImageEmpty},
                      BadImage{"cut_record.hex", ":1000000041424344\r\n:00000001FF\r\n",
                               kHexBadRecord},
                      BadImage{"no_end.hex", ":0100000041BE\r\n", kHexNoEnd},
                      BadImage{"checksum.hex", ":0100000041BF\r\n:00000001FF\r\n", kHexBadChecksum},
                      BadImage{"bad_class.elf", ElfHeader(9, 1), kElfBadHeader},
                      BadImage{"cut_header.elf", ElfHeader(1, 1).substr(0, 20), kElfBadHeader},
                      BadImage{"table_outside.elf", SectionTableOutside(), kElfBadHeader},
                      BadImage{"nothing_loaded.elf", ElfHeader(1, 1), kElfNothingLoaded}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

// A file one byte past 64 MiB is refused before it is read; sparse, so it costs no disk.
TEST_F(FindCommand, AnImageLargerThan64MiBIsRefused) {
    std::ofstream(PathOf("large.bin"), std::ios::binary).close();
    std::filesystem::resize_file(PathOf("large.bin"), kMaxImageBytes + 1);
    const CliRun run = RunExecutable({"find", PathOf("large.bin")});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err.substr(0, std::string(kImageTooLarge).size()), kImageTooLarge);
}

class FindExtractKind : public CliTest, public ::testing::WithParamInterface<const char*> {};

// The table found in an image is written in each kind exactly as convert writes the same font.
TEST_P(FindExtractKind, WritesWhatConvertWritesOfTheFont) {
    PIXMORA_NEEDS_FONT(kDejaVuMono);
    // Against the left edge: the finder places a table whose glyphs begin with a blank column one
    // byte late.
    ASSERT_NO_FATAL_FAILURE(WriteImageWithDrawnFont(PathOf("f.fnt"), PathOf("image.bin"),
                                                    {"--offset", "-1"}, 3000, 1000));

    const std::string kind = GetParam();
    const CliRun extracted = RunInProcess(
        {"find", PathOf("image.bin"), "--extract", "1", PathOf("found.out"), "--kind", kind});
    ASSERT_EQ(extracted.status, cli::kExitOk) << extracted.err;
    const CliRun converted =
        RunInProcess({"convert", PathOf("f.fnt"), PathOf("converted.out"), "--kind", kind});
    ASSERT_EQ(converted.status, cli::kExitOk) << converted.err;
    const std::string written = ReadWholeFile(PathOf("found.out"));
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, ReadWholeFile(PathOf("converted.out")));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FindExtractKind, ::testing::ValuesIn(cli::kKindWords));

}  // namespace
}  // namespace pixmora::test
