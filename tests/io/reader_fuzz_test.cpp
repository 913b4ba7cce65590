// Thousands of damaged files: the readers must end every read in one of their outcomes, within
// the destination, whatever the bytes. Run under the sanitizer build for out-of-bounds access.
#include <gtest/gtest.h>

#include <sstream>

#include "io/font_reader.h"
#include "io/font_writer.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

constexpr int kFilesPerSeed = 1500;

std::string ValidFile(std::mt19937& random, bool hex) {
    const std::vector<std::uint8_t> bytes =
        test::RandomBytes(random, std::uniform_int_distribution<int>(0, 400)(random));
    std::ostringstream out;
    if (hex) {
        WriteIntelHex(out, bytes, 0xFFF0);
    } else {
        const auto notation = static_cast<NumberNotation>(random() % 5);
        WriteSourceText(out, bytes, static_cast<OutputFormat>(random() % 3), notation, 8);
        out << "/* note */\r\n; done\r\n";
    }
    return out.str();
}

// One random damage: flipped, inserted or removed bytes, a cut, a huge line, lost line ends.
void Damage(std::mt19937& random, std::string& text) {
    auto at = [&] { return text.empty() ? 0 : random() % text.size(); };
    const char alphabet[] = ":0123456789ABCDEFabcdefhHx$#&,;'/* \t\r\n";
    switch (random() % 7) {
        case 0:
            for (int k = 0; k < 5 && !text.empty(); ++k) {
                text[at()] = static_cast<char>(random());
            }
            break;
        case 1:
            text.insert(at(), 1, alphabet[random() % (sizeof alphabet - 1)]);
            break;
        case 2:
            if (!text.empty()) {
                text.erase(at(), 1 + random() % 8);
            }
            break;
        case 3:
            text.resize(at());
            break;
        case 4:
            text.insert(at(), std::string(100000 + random() % 1000, alphabet[random() % 16]));
            break;
        case 5:
            std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
            break;
        default:
            for (int k = 0; k < 200; ++k) {
                text.push_back(static_cast<char>(random()));
            }
            break;
    }
}

void CheckOneRead(const std::string& path, const std::string& text, std::size_t capacity) {
    test::FakeHost host;
    std::istringstream file(text);
    std::vector<std::uint8_t> destination(capacity);
    const ReadResult result = ReadFontData(path, file, destination, false, host);
    ASSERT_GE(result.LastIndexRead, -1);
    ASSERT_LT(result.LastIndexRead, static_cast<int>(capacity));
    if (result.Overflow) {
        ASSERT_EQ(result.LastIndexRead + 1, static_cast<int>(capacity));
    }
    ASSERT_LE(host.messages.size(), 1u) << "at most one message a read";
}

TEST(ReaderFuzz, DamagedFilesNeverEscapeTheReaders) {
    for (const bool hex : {true, false}) {
        std::mt19937 random(hex ? 1 : 2);
        for (int file = 0; file < kFilesPerSeed; ++file) {
            std::string text = ValidFile(random, hex);
            for (int damage = 1 + static_cast<int>(random() % 3); damage > 0; --damage) {
                Damage(random, text);
            }
            const std::size_t capacity = random() % 2 ? 64 : kImageSize;
            CheckOneRead("f.hex", text, capacity);
            CheckOneRead("f.fnt", text, capacity);
            test::FakeHost host;
            std::istringstream model(text);
            const ModelFileData data = ReadModelText(model, host);
            ASSERT_LE(data.valuesRead, kModelBufferSize);
        }
    }
}

}  // namespace
}  // namespace pixmora
