// The third-party fonts beside the repository: each reads to the byte count its "// expect:" line
// gives (count characters of W x H / 8 bytes), and the HEX file equals its source-text twin.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include "io/font_reader.h"
#include "support/fake_host.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = PIXMORA_FIXTURES_DIR;

// Bytes the "// expect: W=6 H=8 ... count=224" line of a fixture promises.
int ExpectedBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    const std::regex expect(R"(// expect: W=(\d+) H=(\d+) .*count=(\d+))");
    std::smatch match;
    while (std::getline(file, line)) {
        if (std::regex_search(line, match, expect)) {
            return std::stoi(match[1]) * std::stoi(match[2]) / 8 * std::stoi(match[3]);
        }
    }
    ADD_FAILURE() << path << " has no expect line";
    return -1;
}

std::vector<std::uint8_t> ReadFixture(const fs::path& path) {
    test::FakeHost host;
    std::vector<std::uint8_t> bytes(kImageSize);
    const ReadResult result = ReadFontFile(path.string(), bytes, false, host);
    EXPECT_FALSE(result.failure) << path << ": " << result.failure.value_or("");
    EXPECT_FALSE(result.ImportAborted || result.Overflow) << path;
    EXPECT_TRUE(host.messages.empty()) << path << ": " << host.messages.front().text;
    bytes.resize(static_cast<std::size_t>(result.LastIndexRead + 1));
    return bytes;
}

TEST(RealFixtures, EveryFontReadsToItsStatedSize) {
    int fonts = 0;
    for (const auto& entry : fs::directory_iterator(kFixtures)) {
        if (entry.path().extension() != ".fnt") {
            continue;
        }
        ++fonts;
        EXPECT_EQ(static_cast<int>(ReadFixture(entry.path()).size()), ExpectedBytes(entry.path()))
            << entry.path();
    }
    EXPECT_GE(fonts, 10);
}

TEST(RealFixtures, HexFileEqualsItsSourceTextTwin) {
    const std::vector<std::uint8_t> hex = ReadFixture(kFixtures / "ibm8x8_cp437.hex");
    EXPECT_EQ(hex.size(), 224u * 8);
    EXPECT_EQ(hex, ReadFixture(kFixtures / "ibm8x8_cp437.fnt"));
}

}  // namespace
}  // namespace pixmora
