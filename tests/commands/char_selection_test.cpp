#include "commands/char_selection.h"

#include <gtest/gtest.h>

#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

constexpr int kA = 33;  // "A"
constexpr int kB = 34;  // "B"

class CharSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 1, kScanVertical1);  // 8 x 8
        ed.table.cells[0].background = kRed;
        ResetUndoHistory(ed);
    }

    void Draw(int index, std::vector<std::uint8_t> bytes) {
        SelectChar(ed, index);
        std::copy(bytes.begin(), bytes.end(), test::CharBytes(ed, index).begin());
        SetDefinedLook(ed, index);
        ShowGlyph(ed.font, ed.font.CurrentCharOffset, 8, 8, kScanVertical1);
    }

    int RedCells() const {
        return static_cast<int>(
            std::count_if(ed.table.cells.begin(), ed.table.cells.end(),
                          [](const CharCell& c) { return c.background == kRed; }));
    }

    Editor ed;
    test::FakeHost host;
};

TEST_F(CharSelectionTest, LockedTableIgnoresClicks) {
    StartUp(ed);
    SelectChar(ed, kA);
    ArmCopy(ed, kA);
    EXPECT_EQ(ed.font.CurrentChar, 0);
    EXPECT_EQ(ed.win.movie, 0);
    EXPECT_EQ(ed.table.cells[kA].background, kWhite);
    EXPECT_EQ(std::count(ed.font.DotVisible.begin(), ed.font.DotVisible.end(), true), 0);
}

TEST_F(CharSelectionTest, ClickShowsTheCharacterAndMovesTheRedMark) {
    std::copy_n(std::vector<std::uint8_t>{0x7F, 0x40, 0, 0, 0, 0, 0, 0}.begin(), 8,
                test::CharBytes(ed, kA).begin());
    SelectChar(ed, kA);
    EXPECT_EQ(ed.font.CurrentChar, kA);
    EXPECT_EQ(ed.font.PreviousChar, 0);
    EXPECT_EQ(ed.font.CurrentCharOffset, kA * 8);
    EXPECT_EQ(ed.table.cells[kA].background, kRed);
    EXPECT_EQ(ed.table.cells[0].background, kWhite);
    EXPECT_EQ(RedCells(), 1);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(6, 0)], kLit);
    EXPECT_EQ(ed.font.DotColour[DotIndex(6, 1)], kBlue);
    EXPECT_EQ(ed.font.DotColour[DotIndex(5, 3)], kWhite);
    EXPECT_EQ(ed.font.DotColour[DotIndex(7, 0)], kYellow);
    EXPECT_EQ(ed.win.nosavesimb, 0);
}

TEST_F(CharSelectionTest, ErasedCharacterTurnsEmptyOnlyWhenLeft) {
    SelectChar(ed, 100);  // letterless: a drawn one shows the bullet
    DotClick(ed, host, DotIndex(2, 2));
    EXPECT_EQ(ed.table.cells[100].textCode, kBulletCode);
    DotClick(ed, host, DotIndex(2, 2));
    EXPECT_EQ(ed.font.CharDefined[100], kLit) << "still defined while it is on the grid";
    EXPECT_TRUE(ed.table.cells[100].bold);
    SelectChar(ed, kB);
    EXPECT_EQ(ed.font.CharDefined[100], kDark);
    EXPECT_EQ(ed.table.cells[100].textColour, kEmptyCellText);
    EXPECT_EQ(ed.table.cells[100].fontSize, 10);
    EXPECT_FALSE(ed.table.cells[100].bold);
    EXPECT_EQ(ed.table.cells[100].textCode, 0);
}

TEST_F(CharSelectionTest, LeavingACharacterWithOnlyMarginDotsKeepsItDefined) {
    SelectChar(ed, kA);
    DotClick(ed, host, DotIndex(7, 7));
    EXPECT_EQ(ed.font.DotColour[DotIndex(7, 7)], kRed);
    SelectChar(ed, kB);
    EXPECT_EQ(ed.font.CharDefined[kA], kLit);
    EXPECT_EQ(ed.table.cells[kA].textColour, kBlack);
}

TEST_F(CharSelectionTest, ClickingTheCurrentCellAgainStartsAFreshHistory) {
    SelectChar(ed, kA);
    DotClick(ed, host, DotIndex(1, 1));
    RecordUndoStep(ed);
    DotClick(ed, host, DotIndex(2, 2));
    SelectChar(ed, kA);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(2, 2)], kLit);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo));
    EXPECT_EQ(ed.table.cells[kA].background, kRed);
    EXPECT_EQ(RedCells(), 1);
    EXPECT_EQ(ed.undo.UndoSlots[kInitialPosition][1], test::CharBytes(ed, kA)[1]);
    EXPECT_EQ(ed.undo.UndoSlots[kInitialPosition][2], test::CharBytes(ed, kA)[2]);
}

TEST_F(CharSelectionTest, SelectingReleasesTheArmedTool) {
    ToolButtonClick(ed, kToolLine);
    SelectChar(ed, kB);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
}

TEST_F(CharSelectionTest, DoubleClickThenClickCopiesBytesAndLook) {
    Draw(kA, {0x7F, 0x09, 0x09, 0x7F, 0, 0, 0, 0});
    ed.win.nosave = 0;
    SelectChar(ed, kA);  // the click that comes with the double-click
    ArmCopy(ed, kA);
    EXPECT_EQ(ed.win.movie, 1);
    EXPECT_EQ(ed.win.simb1, kA);
    EXPECT_EQ(ed.table.cells[kA].background, kBlue);

    SelectChar(ed, kB);
    EXPECT_EQ(ed.win.movie, 0);
    EXPECT_EQ(ed.font.CurrentChar, kB);
    EXPECT_EQ(ed.font.CurrentCharOffset, kB * 8);
    EXPECT_TRUE(std::equal(test::CharBytes(ed, kA).begin(), test::CharBytes(ed, kA).end(),
                           test::CharBytes(ed, kB).begin()));
    EXPECT_EQ(ed.font.CharDefined[kB], kLit);
    EXPECT_TRUE(ed.table.cells[kB].bold);
    EXPECT_EQ(ed.table.cells[kA].background, kWhite);
    EXPECT_EQ(ed.table.cells[kB].background, kRed);
    EXPECT_EQ(RedCells(), 1);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 1)], kLit) << "B is on the grid";
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.win.nosavesimb, 1);
}

TEST_F(CharSelectionTest, CopyOfADefinedLetterlessCharacterShowsTheBullet) {
    Draw(kA, {0x01, 0, 0, 0, 0, 0, 0, 0});
    ArmCopy(ed, kA);
    SelectChar(ed, 120);
    EXPECT_EQ(ed.table.cells[120].textCode, kBulletCode);
    EXPECT_EQ(ed.font.CharDefined[120], kLit);
}

TEST_F(CharSelectionTest, ClickOnTheSourceDisarmsWithoutCopying) {
    Draw(kA, {0x7F, 0, 0, 0, 0, 0, 0, 0});
    ArmCopy(ed, kA);
    const auto image = ed.font.FontImage;
    ed.win.nosave = 0;
    SelectChar(ed, kA);
    EXPECT_EQ(ed.win.movie, 0);
    EXPECT_EQ(ed.font.CurrentChar, kA);
    EXPECT_EQ(ed.table.cells[kA].background, kRed);
    EXPECT_EQ(RedCells(), 1);
    EXPECT_EQ(ed.font.FontImage, image);
    EXPECT_EQ(ed.win.nosave, 0);
}

TEST_F(CharSelectionTest, CopyingAnEmptySourceEmptiesTheTarget) {
    Draw(kB, {0xFF, 0xFF, 0, 0, 0, 0, 0, 0});
    SelectChar(ed, kA);
    ArmCopy(ed, kA);
    SelectChar(ed, kB);
    for (const std::uint8_t byte : test::CharBytes(ed, kB)) {
        EXPECT_EQ(byte, 0);
    }
    EXPECT_EQ(ed.font.CharDefined[kB], kDark);
    EXPECT_EQ(ed.table.cells[kB].textColour, kEmptyCellText);
    EXPECT_FALSE(ed.table.cells[kB].bold);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kDark);
}

TEST_F(CharSelectionTest, CopyKeepsTheTargetsOldDrawingAsItsFirstUndoState) {
    Draw(kB, {0x3C, 0, 0, 0, 0, 0, 0, 0});
    Draw(kA, {0x42, 0, 0, 0, 0, 0, 0, 0});
    ArmCopy(ed, kA);
    SelectChar(ed, kB);
    EXPECT_EQ(ed.undo.UndoSlots[kInitialPosition][0], 0x3C);
    EXPECT_EQ(test::CharBytes(ed, kB)[0], 0x42);
}

TEST_F(CharSelectionTest, CopyWorksForTheLargestFormatAndLastCharacter) {
    test::OpenTestFont(ed, 8, kScanHorizontal2);
    std::mt19937 random(7);
    const auto bytes = test::RandomBytes(random, 336);
    std::copy(bytes.begin(), bytes.end(), test::CharBytes(ed, 10).begin());
    SetDefinedLook(ed, 10);
    SelectChar(ed, 10);
    ArmCopy(ed, 10);
    SelectChar(ed, 223);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), test::CharBytes(ed, 223).begin()));
    EXPECT_EQ(ed.font.FontImage[kFontBytes], 0) << "the spare byte is never written";
}

TEST_F(CharSelectionTest, RangeFieldsTakeTheCodeOfTheCurrentCharacter) {
    SelectChar(ed, 65);
    TakeCurrentCode(ed, Ctl::LastCode);
    EXPECT_EQ(ed.win.lastCode, "97");
    EXPECT_EQ(ed.win.firstCode, "32");
    SelectChar(ed, 223);
    TakeCurrentCode(ed, Ctl::FirstCode);
    EXPECT_EQ(ed.win.firstCode, "255");
}

}  // namespace
}  // namespace pixmora
