#include "editor/undo_history.h"

#include <gtest/gtest.h>

#include "support/test_font.h"

namespace pixmora {
namespace {

class UndoHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 1, kScanVertical1);
        ed.font.CurrentChar = 2;
        ed.font.CurrentCharOffset = 16;
        ResetUndoHistory(ed);
    }

    // A change of the glyph whose first byte is `value`, recorded as one step.
    void Change(std::uint8_t value) {
        ed.font.FontImage[16] = value;
        RecordUndoStep(ed);
    }

    int Shown() const { return ed.font.FontImage[16]; }
    bool UndoOffered() const { return IsVisible(ed.win, Ctl::Undo); }
    bool RedoOffered() const { return IsVisible(ed.win, Ctl::Redo); }

    Editor ed;
};

TEST_F(UndoHistoryTest, ButtonsFollowWhatCanBeStepped) {
    EXPECT_FALSE(UndoOffered());
    EXPECT_FALSE(RedoOffered());
    Change(1);
    EXPECT_TRUE(UndoOffered());
    EXPECT_FALSE(RedoOffered());
    UndoStep(ed);
    EXPECT_EQ(Shown(), 0);
    EXPECT_FALSE(UndoOffered());
    EXPECT_TRUE(RedoOffered());
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kDark) << "the grid is repainted";
    RedoStep(ed);
    EXPECT_EQ(Shown(), 1);
    EXPECT_TRUE(UndoOffered());
    EXPECT_FALSE(RedoOffered());
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kLit);
}

TEST_F(UndoHistoryTest, SixChangesKeepTheFiveNewestAndTheInitialState) {
    for (std::uint8_t value = 1; value <= 6; ++value) {
        Change(value);
    }
    const std::vector<int> expected{5, 4, 3, 2, 0};  // the state after change 1 was dropped
    for (const int value : expected) {
        ASSERT_TRUE(UndoOffered());
        UndoStep(ed);
        EXPECT_EQ(Shown(), value);
    }
    EXPECT_FALSE(UndoOffered());
    for (const int value : {2, 3, 4, 5, 6}) {
        ASSERT_TRUE(RedoOffered());
        RedoStep(ed);
        EXPECT_EQ(Shown(), value);
    }
    EXPECT_FALSE(RedoOffered());
}

TEST_F(UndoHistoryTest, NewChangeAfterUndoDropsTheRedoStates) {
    Change(1);
    Change(2);
    Change(3);
    UndoStep(ed);
    UndoStep(ed);
    Change(9);
    EXPECT_FALSE(RedoOffered());
    RedoStep(ed);  // nothing to redo: must not move
    EXPECT_EQ(Shown(), 9);
    UndoStep(ed);
    EXPECT_EQ(Shown(), 1);
    UndoStep(ed);
    EXPECT_EQ(Shown(), 0);
    EXPECT_FALSE(UndoOffered());
}

TEST_F(UndoHistoryTest, AfterTheHistoryWasFullNoReachableStateIsOverwritten) {
    for (std::uint8_t value = 1; value <= 8; ++value) {
        Change(value);  // full since change 5; slots have rotated
    }
    UndoStep(ed);
    UndoStep(ed);  // shows 6; 7 and 8 are redo states
    Change(20);
    Change(21);
    for (const int value : {20, 6, 5, 4, 0}) {
        UndoStep(ed);
        EXPECT_EQ(Shown(), value) << "undo chain broken";
    }
    EXPECT_EQ(Shown(), 0);
}

TEST_F(UndoHistoryTest, ToggledDotsAfterTheLastStepAreLostByUndo) {
    Change(1);
    ed.font.FontImage[16] = 0x81;  // a toggle records nothing
    UndoStep(ed);
    EXPECT_EQ(Shown(), 0);
    RedoStep(ed);
    EXPECT_EQ(Shown(), 1);
}

TEST_F(UndoHistoryTest, UndoReleasesTheToolAndRestoresTheCircleCentre) {
    Change(1);
    ToolButtonClick(ed, kToolCircle);
    ed.tools.ToolClicks = 1;
    ed.tools.AnchorDot = DotIndex(2, 2);
    ed.tools.CentreSavedColour = kBlue;
    ed.font.DotColour[DotIndex(2, 2)] = kCyan;
    UndoStep(ed);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_NE(ed.font.DotColour[DotIndex(2, 2)], kCyan);

    ToolButtonClick(ed, kToolLine);
    RedoStep(ed);
    EXPECT_EQ(ed.tools.ActiveTool, kToolLine) << "redo leaves an armed tool armed";
}

TEST_F(UndoHistoryTest, RedoUnderAPlacedCentreKeepsTheCentresColourTrue) {
    Change(1);  // lights dot (0, 0)
    UndoStep(ed);
    ToolButtonClick(ed, kToolCircle);
    const int centre = DotIndex(0, 0);
    ed.tools.ToolClicks = 1;
    ed.tools.AnchorDot = centre;
    ed.tools.CentreSavedColour = ed.font.DotColour[centre];
    ed.font.DotColour[centre] = kCyan;
    RedoStep(ed);
    const Colour shown = ed.font.DotColour[centre];
    EXPECT_NE(shown, kCyan) << "the repaint unmarks the centre";
    DropCircleCentre(ed);
    EXPECT_EQ(ed.font.DotColour[centre], shown) << "the dot redone lit stays lit when dropped";
    EXPECT_EQ(ed.font.DotGrid[centre], kLit);
}

TEST_F(UndoHistoryTest, OnlyTheCurrentCharactersBytesChange) {
    ed.font.FontImage[15] = 0x77;
    ed.font.FontImage[24] = 0x66;
    for (int i = 0; i < 8; ++i) {
        ed.font.FontImage[16 + i] = 0xFF;
    }
    RecordUndoStep(ed);
    UndoStep(ed);
    EXPECT_EQ(ed.font.FontImage[15], 0x77);
    EXPECT_EQ(ed.font.FontImage[24], 0x66);
    EXPECT_EQ(ed.font.FontImage[23], 0x00);
}

}  // namespace
}  // namespace pixmora
