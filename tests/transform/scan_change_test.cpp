#include "transform/scan_change.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "commands/commands.h"
#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"
#include "transform/scan_dialog.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int k6x8 = 0;
constexpr int k8x8 = 1;
constexpr int k12x16 = 2;
constexpr int k5x8 = 9;
constexpr int k48x56 = 8;

// The user opens the scan dialog, clicks the option of `scan` and presses "ОК".
void ScriptScanChoice(test::FakeHost& host, int scan) {
    host.scanDialog = [&host, scan](Editor& ed) -> std::optional<int> {
        ScanDialogState state = OpenScanDialog(ed, host);
        SelectScanOption(state, host, scan);
        return state.selected;
    };
}

Bytes Image(const Editor& ed) {
    return {ed.font.FontImage.begin(), ed.font.FontImage.end()};
}

// Random glyphs for every character and random bytes beyond the last one.
void FillRandomFont(Editor& ed, std::mt19937& random) {
    const Bytes bytes = test::RandomBytes(random, kImageSize);
    std::copy(bytes.begin(), bytes.end(), ed.font.FontImage.begin());
}

TEST(ScanDialog, OffersHorizontalScansOnlyForWidthsInWholeBytes) {
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        Editor ed;
        test::OpenTestFont(ed, format, kScanVertical2);
        test::FakeHost host;
        const ScanDialogState state = OpenScanDialog(ed, host);
        const bool wholeBytes = format != k6x8 && format != k12x16 && format != k5x8;
        EXPECT_TRUE(state.optionVisible[kScanVertical1]);
        EXPECT_TRUE(state.optionVisible[kScanVertical2]);
        EXPECT_EQ(state.optionVisible[kScanHorizontal1], wholeBytes) << format;
        EXPECT_EQ(state.optionVisible[kScanHorizontal2], wholeBytes) << format;
        EXPECT_EQ(state.selected, kScanVertical2);
    }
}

TEST(ScanDialog, OptionShowsItsPictureFromBesideTheProgram) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanHorizontal1);
    test::FakeHost host;
    host.programDir = "/opt/pixmora";
    ScanDialogState state = OpenScanDialog(ed, host);
    EXPECT_EQ(state.picturePath, "/opt/pixmora/Pict/v2.bmp");
    SelectScanOption(state, host, kScanHorizontal2);
    EXPECT_EQ(state.selected, kScanHorizontal2);
    EXPECT_EQ(state.picturePath, "/opt/pixmora/Pict/v3.bmp");

    // The pictures the build places beside the program are named so.
    host.programDir = PIXMORA_SOURCE_DIR "/data";
    for (int scan = 0; scan < kScanCount; ++scan) {
        SelectScanOption(state, host, scan);
        EXPECT_TRUE(std::filesystem::exists(state.picturePath)) << scan;
    }
}

TEST(ScanDialog, HiddenOptionCannotBeChosen) {
    Editor ed;
    test::OpenTestFont(ed, k12x16, kScanVertical1);
    test::FakeHost host;
    ScanDialogState state = OpenScanDialog(ed, host);
    SelectScanOption(state, host, kScanHorizontal1);
    EXPECT_EQ(state.selected, kScanVertical1);
}

TEST(ScanDialog, ScanNames) {
    EXPECT_EQ(ScanNamesOf(kScanVertical1).confirmed, "Вертикальная 1");
    EXPECT_EQ(ScanNamesOf(kScanVertical2).confirmed, "Вертикальная 2");
    EXPECT_EQ(ScanNamesOf(kScanHorizontal1).confirmed, "Горизонтальная 1");
    EXPECT_EQ(ScanNamesOf(kScanHorizontal2).confirmed, "Горизонтальная 2");
}

TEST(ChangeByteScan, LetterLReversesEachByteAndLooksTheSame) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical1);
    const Bytes letterL{0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0x00};
    std::copy(letterL.begin(), letterL.end(), test::CharBytes(ed, 0).begin());
    ShowGlyph(ed.font, 0, 8, 8, kScanVertical1);
    const auto gridBefore = ed.font.DotGrid;

    test::FakeHost host;
    ScriptScanChoice(host, kScanVertical2);
    ChangeByteScan(ed, host);

    const auto bytes = test::CharBytes(ed, 0);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
              (Bytes{0xFE, 0x02, 0x02, 0x02, 0x02, 0x02, 0x00, 0x00}));
    EXPECT_EQ(ed.font.DotGrid, gridBefore);
    EXPECT_EQ(ed.params.FontByteScan, kScanVertical2);
    EXPECT_EQ(ed.win.tex, "вертикальный 2 ");
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 8 x 8 вертикальный 2 ");
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              "Для текущего шрифта установлен \nвид  развертки: Вертикальная 2");
    EXPECT_EQ(host.messages[0].title, "Информация");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
}

TEST(ChangeByteScan, RunsFromItsButton) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanVertical1);
    test::FakeHost host;
    ScriptScanChoice(host, kScanHorizontal2);
    RunCommand(ed, host, Ctl::ChangeScan);
    EXPECT_EQ(ed.params.FontByteScan, kScanHorizontal2);
    EXPECT_EQ(host.messages.size(), 1U);
}

TEST(ChangeByteScan, SameScanChangesNothingAndSaysNothing) {
    Editor ed;
    test::OpenTestFont(ed, k8x8, kScanHorizontal1);
    std::mt19937 random(7);
    FillRandomFont(ed, random);
    ed.win.fontCaption = "Шрифт 8 x 8 горизонтальный 1";
    ToolButtonClick(ed, kToolLine);
    const Bytes before = Image(ed);

    test::FakeHost host;
    ScriptScanChoice(host, kScanHorizontal1);
    ChangeByteScan(ed, host);

    EXPECT_EQ(Image(ed), before);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ed.tools.ActiveTool, kToolLine);
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 8 x 8 горизонтальный 1");
    EXPECT_EQ(ed.win.nosave, 0);
}

// Every format, every scan it offers into every other: the glyphs keep their dots, going back
// restores every byte, and the bytes after the last character are never touched.
TEST(ChangeByteScan, RoundTripsThroughEveryOtherScanRestoreEveryByte) {
    std::mt19937 random(2024);
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        const CellFormat& cell = kCellFormats[static_cast<std::size_t>(format)];
        for (int from = 0; from < kScanCount; ++from) {
            for (int to = 0; to < kScanCount; ++to) {
                if (from == to || !ScanOffered(cell.width, from) || !ScanOffered(cell.width, to)) {
                    continue;
                }
                SCOPED_TRACE(std::string(cell.name) + " scan " + std::to_string(from) + " -> " +
                             std::to_string(to));
                Editor ed;
                test::OpenTestFont(ed, format, from);
                FillRandomFont(ed, random);
                std::fill_n(test::CharBytes(ed, 10).begin(), cell.bytesPerChar, 0);
                const Bytes original = Image(ed);
                const std::size_t used = static_cast<std::size_t>(kCharCount * cell.bytesPerChar);

                test::FakeHost host;
                ScriptScanChoice(host, to);
                ChangeByteScan(ed, host);
                const Bytes changed = Image(ed);
                for (int index = 0; index < kCharCount; ++index) {
                    const std::span<const std::uint8_t> before(
                        original.data() + index * cell.bytesPerChar,
                        static_cast<std::size_t>(cell.bytesPerChar));
                    ASSERT_EQ(UnpackGlyph(before, from, cell.width, cell.height),
                              UnpackGlyph(test::CharBytes(ed, index), to, cell.width, cell.height))
                        << "character " << index;
                }
                const auto empty = test::CharBytes(ed, 10);
                EXPECT_TRUE(std::all_of(empty.begin(), empty.end(), [](auto b) { return b == 0; }));
                EXPECT_TRUE(std::equal(original.begin() + static_cast<std::ptrdiff_t>(used),
                                       original.end(),
                                       changed.begin() + static_cast<std::ptrdiff_t>(used)));

                ScriptScanChoice(host, from);
                ChangeByteScan(ed, host);
                EXPECT_EQ(Image(ed), original);
            }
        }
    }
}

TEST(ChangeByteScan, KeepsTheCurrentCharacterAndStartsAFreshHistory) {
    Editor ed;
    test::OpenTestFont(ed, k48x56, kScanVertical1);
    std::mt19937 random(11);
    FillRandomFont(ed, random);
    // Character 65 is current and has a recorded undo step; the line tool is armed.
    ed.table.cells[0].background = kWhite;
    ed.font.PreviousChar = 3;
    ed.font.CurrentChar = 65;
    ed.font.CurrentCharOffset = 65 * 336;
    ed.table.cells[65].background = kRed;
    ResetUndoHistory(ed);
    RecordUndoStep(ed);
    ToolButtonClick(ed, kToolCircle);
    ed.win.nosave = 0;

    test::FakeHost host;
    ScriptScanChoice(host, kScanHorizontal2);
    ChangeByteScan(ed, host);

    EXPECT_EQ(ed.font.CurrentChar, 65);
    EXPECT_EQ(ed.font.PreviousChar, 0);
    EXPECT_EQ(ed.font.CurrentCharOffset, 65 * 336);
    EXPECT_EQ(ed.table.cells[65].background, kRed);
    EXPECT_EQ(ed.table.cells[0].background, kWhite);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo));
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_EQ(ed.win.nosave, 1) << "the repacked font is not saved anywhere yet";
    EXPECT_EQ(ed.win.fontCaption, "Шрифт 48 x 56 горизонтальный 2");
    const DotMatrix shown = UnpackGlyph(test::CharBytes(ed, 65), kScanHorizontal2, 48, 56);
    for (int dot = 0; dot < kGridDots; ++dot) {
        ASSERT_EQ(ed.font.DotGrid[dot] == kLit, shown[dot] == 1) << "dot " << dot;
    }
}

}  // namespace
}  // namespace pixmora
