// The byte inspector: every dot's byte and bit agree with what packing the dot writes, in every
// format and scan; a typed byte redraws its dots as one undo step; the place text.
#include "commands/byte_pane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "editor/editor.h"
#include "editor/font_settings.h"
#include "editor/undo_history.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class InspectorPlaces : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(InspectorPlaces, EveryDotNamesTheBitThatPackingSets) {
    const auto [formatIndex, scan] = GetParam();
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, formatIndex, scan);
    MakeCharCurrent(ed->font, 5, format.bytesPerChar);
    const int perLine = InspectorLineBytes(*ed);
    EXPECT_EQ(perLine, IsVerticalScan(scan) ? format.width : format.width / 8);
    for (int row = 0; row < format.height; ++row) {
        for (int column = 0; column < format.width; ++column) {
            const int dot = DotIndex(row, column);
            SetGridDot(ed->font, dot, true);
            PackDot(ed->font, ed->params, dot);
            const std::optional<BitPlace> place = PlaceOfDot(*ed, dot);
            ASSERT_TRUE(place);
            const auto glyph = test::CharBytes(*ed, 5);
            ASSERT_EQ(glyph[static_cast<std::size_t>(place->byte)], 1 << place->bit)
                << "row " << row << " column " << column;
            ASSERT_EQ(std::count(glyph.begin(), glyph.end(), 0), format.bytesPerChar - 1);
            // The pane's line of the byte covers the dot's band or row.
            EXPECT_EQ(place->byte / perLine, IsVerticalScan(scan) ? row / 8 : row);
            if (place->bit == 0) {
                // The pane's click marks the 8 dots whose places name this byte, bit 0 first.
                const std::vector<int> dots = DotsOfByte(*ed, place->byte);
                ASSERT_EQ(dots.size(), 8u);
                for (int bit = 0; bit < 8; ++bit) {
                    const std::optional<BitPlace> each =
                        PlaceOfDot(*ed, dots[static_cast<std::size_t>(bit)]);
                    EXPECT_EQ(each->byte, place->byte);
                    EXPECT_EQ(each->bit, bit);
                }
            }
            SetGridDot(ed->font, dot, false);
            PackDot(ed->font, ed->params, dot);
        }
    }
    if (format.width < kGridColumns) {
        EXPECT_FALSE(PlaceOfDot(*ed, DotIndex(0, format.width)));
    }
}

// Every format with every scan it offers.
std::vector<std::tuple<int, int>> OfferedFormatsAndScans() {
    std::vector<std::tuple<int, int>> pairs;
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (ScanOffered(kCellFormats[static_cast<std::size_t>(format)].width, scan)) {
                pairs.emplace_back(format, scan);
            }
        }
    }
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(EveryFormatAndScan, InspectorPlaces,
                         ::testing::ValuesIn(OfferedFormatsAndScans()));

TEST(ByteInspector, TypedByteRedrawsItsDotsAsOneUndoStep) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    ResetUndoHistory(*ed);
    ASSERT_TRUE(EnterCharByte(*ed, 2, "0x5F"));
    EXPECT_EQ(test::CharBytes(*ed, 0)[2], 0x5F);
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(ed->font.DotGrid[DotIndex(row, 2)], row == 5 || row == 7 ? kDark : kLit) << row;
    }
    EXPECT_EQ(ed->win.nosave, 1);
    EXPECT_TRUE(IsVisible(ed->win, Ctl::Undo));
    UndoStep(*ed);
    EXPECT_EQ(test::CharBytes(*ed, 0)[2], 0);
    EXPECT_EQ(ed->font.DotGrid[DotIndex(0, 2)], kDark);
    EXPECT_EQ(ed->undo.UndoPosition, kInitialPosition);
    RedoStep(*ed);
    EXPECT_EQ(test::CharBytes(*ed, 0)[2], 0x5F);
}

TEST(ByteInspector, TypedByteReadsEveryNotationAndRefusesTheRest) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 1, kScanHorizontal1);
    for (const char* text : {"&hA5", "$A5", "#A5", "0xA5", "0A5h", "165"}) {
        test::CharBytes(*ed, 0)[3] = 0;
        EXPECT_TRUE(EnterCharByte(*ed, 3, text)) << text;
        EXPECT_EQ(test::CharBytes(*ed, 0)[3], 0xA5) << text;
    }
    ResetUndoHistory(*ed);
    for (const char* text : {"256", "0x100", "zz", ""}) {
        EXPECT_FALSE(EnterCharByte(*ed, 3, text)) << text;
    }
    EXPECT_FALSE(EnterCharByte(*ed, 8, "1"));
    EXPECT_EQ(test::CharBytes(*ed, 0)[3], 0xA5);
    EXPECT_EQ(ed->undo.UndoPosition, kInitialPosition);
}

TEST(ByteInspector, PlaceTextGivesTheByteItsPlaceInTheFile) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 0, kScanVertical1);
    MakeCharCurrent(ed->font, 125, 6);  // bytes 750..755 of the whole set
    const int dot = DotIndex(3, 3);
    EXPECT_EQ(DotPlaceText(*ed, dot), "байт 3, бит 3; в файле: 0x02F1");
    SetIncompleteSet(*ed, true);
    ed->win.firstCode = "100";
    ed->win.lastCode = "200";
    EXPECT_EQ(DotPlaceText(*ed, dot), "байт 3, бит 3; в файле: 0x0159");  // (157 - 100) * 6 + 3
    ed->win.firstCode = "192";
    ed->win.lastCode = "255";
    EXPECT_EQ(DotPlaceText(*ed, dot), "байт 3, бит 3");
    SetIncompleteSet(*ed, false);
    ChooseOutputFormat(*ed, "Intel HEX");
    ed->win.startAddress = "0x1000";
    EXPECT_EQ(DotPlaceText(*ed, dot), "байт 3, бит 3; в файле: 0x12F1");
    EXPECT_EQ(DotPlaceText(*ed, DotIndex(0, 6)), "");
}

TEST(ByteInspector, MarksFollowThePointerElseTheChosenByte) {
    auto ed = std::make_unique<Editor>();
    test::OpenTestFont(*ed, 3, kScanHorizontal2);
    ByteInspector inspector{DotIndex(9, 11), 4};
    InspectorMarks marks = MarksOf(*ed, inspector);
    EXPECT_EQ(marks.byte, 19);
    EXPECT_EQ(marks.bitDot, DotIndex(9, 11));
    EXPECT_EQ(marks.byteDots.front(), DotIndex(9, 8));
    inspector.pointerDot = -1;
    marks = MarksOf(*ed, inspector);
    EXPECT_EQ(marks.byte, 4);
    EXPECT_EQ(marks.bitDot, -1);
    EXPECT_EQ(marks.byteDots,
              (std::vector<int>{DotIndex(2, 0), DotIndex(2, 1), DotIndex(2, 2), DotIndex(2, 3),
                                DotIndex(2, 4), DotIndex(2, 5), DotIndex(2, 6), DotIndex(2, 7)}));
}

}  // namespace
}  // namespace pixmora
