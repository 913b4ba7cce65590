// Whatever export writes, the reader gives back: every format, every kind and notation, both
// polarities, the whole set and a range.
#include <gtest/gtest.h>

#include "editor/font_settings.h"
#include "io/export.h"
#include "io/font_reader.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

struct Kind {
    const char* format;
    const char* notation;
};

std::vector<Kind> EveryKind() {
    std::vector<Kind> kinds;
    for (const char* format : {"Data code", ".Db code", "Code"}) {
        for (const char* notation : kNumberNotations) {
            kinds.push_back({format, notation});
        }
    }
    kinds.push_back({"Intel HEX", "&hNN"});
    return kinds;
}

class RoundTripTest : public test::ScratchDirTest,
                      public testing::WithParamInterface<std::size_t> {};

// One format per test, so that the formats run in parallel.
TEST_P(RoundTripTest, ExportThenReadGivesBackTheBytes) {
    const std::size_t formatIndex = GetParam();
    const int perChar = kCellFormats[formatIndex].bytesPerChar;
    std::mt19937 random(static_cast<unsigned>(2024 + formatIndex));
    for (const Kind& kind : EveryKind()) {
        for (const bool negative : {false, true}) {
            for (const bool partial : {false, true}) {
                SCOPED_TRACE(testing::Message() << kind.format << " " << kind.notation
                                                << (negative ? " negative" : " positive")
                                                << (partial ? " 100..200" : " whole"));
                Editor ed;
                test::OpenTestFont(ed, static_cast<int>(formatIndex), kScanVertical1);
                const std::vector<std::uint8_t> image =
                    test::RandomBytes(random, kCharCount * perChar);
                std::copy(image.begin(), image.end(), ed.font.FontImage.begin());
                ChooseOutputFormat(ed, kind.format);
                ed.win.notation = kind.notation;
                ed.win.startAddress = "&h7FF0";
                SetNegativeFont(ed, negative);
                SetIncompleteSet(ed, partial);
                ed.win.firstCode = "100";
                ed.win.lastCode = "200";
                const std::string name =
                    std::string("font") +
                    (std::string(kind.format) == "Intel HEX" ? ".HEX" : ".fnt");
                test::FakeHost host;
                host.saveResults.push_back(PathOf(name));
                ExportFont(ed, host);

                std::vector<std::uint8_t> read(kImageSize);
                const ReadResult result = ReadFontFile(PathOf(name), read, negative, host);
                const int first = partial ? (100 - kFirstCode) * perChar : 0;
                const int count = (partial ? 101 : kCharCount) * perChar;
                ASSERT_EQ(result.LastIndexRead + 1, count);
                EXPECT_FALSE(result.failure || result.ImportAborted || result.Overflow);
                EXPECT_TRUE(std::equal(read.begin(), read.begin() + count, image.begin() + first));
                EXPECT_TRUE(host.messages.empty());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RoundTripTest,
                         testing::Range<std::size_t>(0, kCellFormats.size()));

}  // namespace
}  // namespace pixmora
