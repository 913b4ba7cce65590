// Fonts that other people made for their displays, recognised through the model files shipped
// beside the program. Each .fnt names what it must read as in a line "// expect: W=.. H=.. scan=..
// polarity=.. ... cyrillic=.. [supported=no]"; a .hex file reads as its .fnt twin.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "import/recognise_font.h"
#include "support/fake_host.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Expectations(const fs::path& fnt) {
    std::ifstream file(fnt);
    std::string line;
    std::map<std::string, std::string> fields;
    while (std::getline(file, line)) {
        const auto at = line.find("// expect:");
        if (at == std::string::npos) {
            continue;
        }
        std::istringstream words(line.substr(at + 10));
        std::string word;
        while (words >> word) {
            const auto equals = word.find('=');
            if (equals != std::string::npos) {
                fields[word.substr(0, equals)] = word.substr(equals + 1);
            }
        }
    }
    return fields;
}

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
    auto expect = Expectations(fs::path(path).replace_extension(".fnt"));
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
    if (expect["supported"] == "no") {
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

}  // namespace
}  // namespace pixmora
