// Whatever export writes, the reader gives back: every format, every kind and notation, both
// polarities, the whole set and a range.
#include <gtest/gtest.h>

#include "commands/char_selection.h"
#include "commands/new_font.h"
#include "commands/params_dialog.h"
#include "editor/font_settings.h"
#include "io/export.h"
#include "io/font_reader.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/scratch_dir.h"
#include "support/test_font.h"
#include "tools/dot_editing.h"

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

struct MadeFont {
    const char* format;
    int scan;
};

class CreatedFontTest : public test::ScratchDirTest, public testing::WithParamInterface<MadeFont> {
  protected:
    // "Создать" with the format and scan chosen in the parameters dialog.
    void Create(Editor& ed, test::FakeHost& host) {
        const int formatIndex = *FormatIndexByName(GetParam().format);
        const int scan = GetParam().scan;
        host.paramsDialog = [&host, formatIndex, scan](Editor& e) -> std::optional<ParamsChoice> {
            ParamsDialogState dialog = OpenParamsDialog(e);
            ChooseDialogFormat(e, host, dialog, formatIndex);
            ClickScanOption(host, dialog, scan);
            return ConfirmParamsDialog(host, dialog);
        };
        StartUp(ed);
        NewFont(ed, host);
    }
};

// A font as a user makes it: created, dots clicked on the grid of several characters (margin dots
// too), then written in every kind and notation and read back to the same bytes.
TEST_P(CreatedFontTest, DrawnDotsExportAndReadBackByteForByte) {
    const CellFormat& cell =
        kCellFormats[static_cast<std::size_t>(*FormatIndexByName(GetParam().format))];
    const int scan = GetParam().scan;
    Editor ed;
    test::FakeHost host;
    Create(ed, host);
    ASSERT_EQ(ed.params.BytesPerChar, cell.bytesPerChar);
    ASSERT_EQ(ed.params.FontByteScan, scan);

    std::mt19937 random(static_cast<unsigned>(cell.width * 10 + scan));
    std::bernoulli_distribution lit(0.3);
    std::vector<std::uint8_t> expected(static_cast<std::size_t>(kCharCount * cell.bytesPerChar));
    for (const int index : {0, 33, 95, 160, 223}) {
        SelectChar(ed, index);
        DotMatrix dots{};
        for (int row = 0; row < cell.height; ++row) {
            for (int column = 0; column < cell.width; ++column) {
                if (lit(random)) {
                    dots[DotIndex(row, column)] = 1;
                    DotClick(ed, host, DotIndex(row, column));
                }
            }
        }
        const auto bpc = static_cast<std::size_t>(cell.bytesPerChar);
        PackMatrix(dots, std::span(expected).subspan(static_cast<std::size_t>(index) * bpc, bpc),
                   scan, cell.width, cell.height);
    }
    ASSERT_TRUE(std::equal(expected.begin(), expected.end(), ed.font.FontImage.begin()));

    for (const Kind& kind : EveryKind()) {
        SCOPED_TRACE(testing::Message() << kind.format << " " << kind.notation);
        ChooseOutputFormat(ed, kind.format);
        ed.win.notation = kind.notation;
        const std::string name =
            std::string("font") + (std::string(kind.format) == "Intel HEX" ? ".hex" : ".fnt");
        host.saveResults.push_back(PathOf(name));
        ExportFont(ed, host);
        std::vector<std::uint8_t> read(kImageSize);
        const ReadResult result = ReadFontFile(PathOf(name), read, false, host);
        ASSERT_EQ(result.LastIndexRead + 1, static_cast<int>(expected.size()));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), read.begin()));
    }
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    NewFormats, CreatedFontTest,
    testing::Values(MadeFont{"5 x 8", kScanVertical1}, MadeFont{"5 x 8", kScanVertical2},
                    MadeFont{"8 x 16", kScanVertical1}, MadeFont{"8 x 16", kScanVertical2},
                    MadeFont{"8 x 16", kScanHorizontal1}, MadeFont{"8 x 16", kScanHorizontal2}),
    [](const auto& info) {
        return std::string(info.param.format == std::string("5 x 8") ? "F5x8" : "F8x16") + "Scan" +
               std::to_string(info.param.scan);
    });

}  // namespace
}  // namespace pixmora
