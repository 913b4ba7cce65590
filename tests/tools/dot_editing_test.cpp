#include "tools/dot_editing.h"

#include <gtest/gtest.h>

#include "model/glyph_packing.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class DotEditingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 3, kScanVertical1);  // 16 x 16
        ResetUndoHistory(ed);
    }

    std::uint8_t Byte(int n) { return test::CharBytes(ed, ed.font.CurrentChar)[n]; }

    void Light(std::initializer_list<int> dots) {
        for (const int dot : dots) {
            ed.font.DotGrid[dot] = kLit;
            ed.font.DotColour[dot] = InkOnBackground(ed.font.DotBackColor[dot]);
            PackDot(ed.font, ed.params, dot);
        }
    }

    Editor ed;
    test::FakeHost host;
};

TEST_F(DotEditingTest, ClickTogglesADotIntoItsBitAndBack) {
    const int dot = DotIndex(9, 3);  // byte 19, bit 1
    DotClick(ed, host, dot);
    EXPECT_EQ(ed.font.DotGrid[dot], kLit);
    EXPECT_EQ(ed.font.DotColour[dot], kBlue);
    EXPECT_EQ(Byte(19), 0x02);
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.win.nosavesimb, 1);
    EXPECT_EQ(ed.font.CharDefined[0], kLit);
    EXPECT_EQ(ed.table.cells[0].textColour, kBlack);
    EXPECT_EQ(ed.table.cells[0].fontSize, 12);
    EXPECT_TRUE(ed.table.cells[0].bold);

    DotClick(ed, host, dot);
    EXPECT_EQ(ed.font.DotGrid[dot], kDark);
    EXPECT_EQ(ed.font.DotColour[dot], kWhite);
    EXPECT_EQ(Byte(19), 0x00);
}

TEST_F(DotEditingTest, ClickOnTheMarginShowsRedAndSetsOnlyItsBit) {
    test::CharBytes(ed, 0)[15] = 0x7F;  // column 15, rows 0..6 lit in the bytes
    ShowGlyph(ed.font, 0, 32, 16, kScanVertical1);
    DotClick(ed, host, DotIndex(7, 15));
    EXPECT_EQ(ed.font.DotColour[DotIndex(7, 15)], kRed);
    EXPECT_EQ(Byte(15), 0xFF);
    DotClick(ed, host, DotIndex(0, 15));
    EXPECT_EQ(ed.font.DotColour[DotIndex(0, 15)], kYellow);
    EXPECT_EQ(Byte(15), 0xFE);
}

TEST_F(DotEditingTest, ClickOnAHiddenDotDoesNothing) {
    const auto image = ed.font.FontImage;
    DotClick(ed, host, DotIndex(20, 20));
    EXPECT_EQ(ed.font.FontImage, image);
    EXPECT_EQ(ed.win.nosave, 0);
}

TEST_F(DotEditingTest, TogglesAreNotUndoStepsOfTheirOwn) {
    DotClick(ed, host, DotIndex(0, 0));
    RecordUndoStep(ed);
    DotClick(ed, host, DotIndex(1, 1));
    DotClick(ed, host, DotIndex(2, 2));
    UndoStep(ed);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kDark);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(1, 1)], kDark);
    RedoStep(ed);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kLit);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(2, 2)], kDark) << "toggles after the last state are lost";
}

TEST_F(DotEditingTest, ShiftPaintsCtrlErasesAndAStrokeIsOneUndoStep) {
    for (int column = 0; column < 5; ++column) {
        DotMouseMove(ed, DotIndex(4, column), kShift);
    }
    EXPECT_TRUE(ed.tools.StrokeOpen);
    EXPECT_EQ(Byte(2), 0x10);
    EXPECT_EQ(ed.font.DotColour[DotIndex(4, 2)], kBlue);
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo)) << "recorded only when the keys are let go";

    DotMouseMove(ed, DotIndex(5, 5), kNoModifier);
    EXPECT_FALSE(ed.tools.StrokeOpen);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Undo));

    DotMouseMove(ed, DotIndex(4, 1), kCtrl);
    DotMouseMove(ed, DotIndex(4, 2), kCtrl);
    DotMouseMove(ed, DotIndex(8, 8), kCtrl);  // dark already: left alone
    DotMouseMove(ed, DotIndex(8, 9), kNoModifier);
    EXPECT_EQ(Byte(1), 0x00);
    EXPECT_EQ(Byte(3), 0x10);
    EXPECT_EQ(ed.font.DotColour[DotIndex(4, 1)], kWhite);

    UndoStep(ed);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(ed.font.DotGrid[DotIndex(4, column)], kLit) << column;
    }
    UndoStep(ed);
    EXPECT_EQ(Byte(2), 0x00);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Undo));
}

TEST_F(DotEditingTest, OtherModifierCombinationsDrawNothing) {
    for (const unsigned modifiers :
         {kShift | kCtrl, unsigned{kAlt}, kShift | kAlt, unsigned{kNoModifier}}) {
        DotMouseMove(ed, DotIndex(2, 2), modifiers);
    }
    EXPECT_EQ(ed.font.DotGrid[DotIndex(2, 2)], kDark);
    EXPECT_FALSE(ed.tools.StrokeOpen);
    EXPECT_EQ(ed.win.nosave, 0);
}

TEST_F(DotEditingTest, ShiftOverLitDotsStillRecordsOneStep) {
    Light({DotIndex(3, 3)});
    DotMouseMove(ed, DotIndex(3, 3), kShift);
    EXPECT_EQ(ed.win.nosave, 0);
    EXPECT_EQ(ed.font.CharDefined[0], kDark);
    DotMouseMove(ed, DotIndex(3, 4), kNoModifier);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Undo));
    EXPECT_EQ(ed.undo.UndoPosition, 4);
}

TEST_F(DotEditingTest, ToggleShowsTheBulletOnALetterlessCellButAStrokeDoesNot) {
    ed.font.CurrentChar = 100;
    ed.font.CurrentCharOffset = 100 * 32;
    DotMouseMove(ed, DotIndex(1, 1), kShift);
    EXPECT_EQ(ed.font.CharDefined[100], kLit);
    EXPECT_TRUE(ed.table.cells[100].bold);
    EXPECT_EQ(ed.table.cells[100].textCode, 0);
    DotClick(ed, host, DotIndex(2, 2));
    EXPECT_EQ(ed.table.cells[100].textCode, kBulletCode);
}

TEST_F(DotEditingTest, StatusShowsCoordinatesAndHidesOverTheBackground) {
    test::OpenTestFont(ed, 8, kScanVertical1);  // 48 x 56: every dot is visible
    DotMouseMove(ed, 2687, kNoModifier);
    EXPECT_EQ(ed.win.coordinates, "X=47  Y=55");
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Coordinates));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Radius));
    DotMouseMove(ed, 0, kNoModifier);
    EXPECT_EQ(ed.win.coordinates, "X=0  Y=0");
    BackgroundMouseMove(ed);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Coordinates));
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Radius));
}

TEST_F(DotEditingTest, RadiusFollowsThePointerOnceACentreIsPlaced) {
    ToolButtonClick(ed, kToolCircle);
    DotMouseMove(ed, DotIndex(8, 8), kNoModifier);
    EXPECT_FALSE(IsVisible(ed.win, Ctl::Radius)) << "no centre yet";
    ed.tools.ToolClicks = 1;
    ed.tools.AnchorDot = DotIndex(5, 5);
    DotMouseMove(ed, DotIndex(9, 8), kNoModifier);  // 3 columns, 4 rows away
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Radius));
    EXPECT_EQ(ed.win.radius, "R=5");
    EXPECT_EQ(ed.tools.CircleRadius, 5);
    UpdateStatus(ed, DotIndex(6, 6));
    EXPECT_EQ(ed.win.radius, "R=1");
    UpdateStatus(ed, DotIndex(7, 7));  // the square root of 8 rounds to 3
    EXPECT_EQ(ed.win.radius, "R=3");
}

TEST_F(DotEditingTest, RightButtonTakesBackTheCircleCentre) {
    ToolButtonClick(ed, kToolCircle);
    const int centre = DotIndex(5, 5);
    ed.tools.ToolClicks = 1;
    ed.tools.AnchorDot = centre;
    ed.tools.CentreSavedColour = kWhite;
    ed.font.DotColour[centre] = kCyan;
    DotRightButton(ed, DotIndex(7, 7));
    EXPECT_EQ(ed.font.DotColour[centre], kWhite);
    EXPECT_EQ(ed.tools.ToolClicks, 0);
    EXPECT_EQ(ed.tools.ActiveTool, kToolCircle);

    ToolButtonClick(ed, kToolLine);
    ed.tools.ToolClicks = 1;
    DotRightButton(ed, DotIndex(7, 7));
    EXPECT_EQ(ed.tools.ToolClicks, 1) << "only the circle answers the right button";
}

TEST_F(DotEditingTest, PointToolsCountTheirClicksUpToTwo) {
    ToolButtonClick(ed, kToolPolyline);
    for (int click = 0; click < 4; ++click) {
        DotClick(ed, host, DotIndex(1, click));
    }
    EXPECT_EQ(ed.tools.ToolClicks, 2);
    EXPECT_EQ(ed.win.nosavesimb, 1);
}

TEST_F(DotEditingTest, StretchToolsHighlightTheLitDotsOfTheFocusedColumnOrRow) {
    Light({DotIndex(2, 4), DotIndex(14, 4), DotIndex(2, 6)});
    ToolButtonClick(ed, kToolStretchHorizontal);
    DotMouseMove(ed, DotIndex(7, 4), kNoModifier);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kCyan);
    EXPECT_EQ(ed.font.DotColour[DotIndex(14, 4)], kMagenta);
    EXPECT_EQ(ed.font.DotColour[DotIndex(7, 4)], kWhite) << "dark dots keep their colour";
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 6)], kBlue);
    EXPECT_TRUE(IsVisible(ed.win, Ctl::Coordinates));

    // Moving within the column changes nothing; moving to the next column moves the highlight.
    DotMouseMove(ed, DotIndex(7, 6), kNoModifier);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kBlue);
    EXPECT_EQ(ed.font.DotColour[DotIndex(14, 4)], kRed);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 6)], kCyan);

    // Switching to a row tool: the old column highlight goes at the next focus change.
    ToolButtonClick(ed, kToolCompressVertical);
    DotMouseMove(ed, DotIndex(2, 0), kNoModifier);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 6)], kCyan) << "row 2 holds it: highlighted again";
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kCyan);
    EXPECT_EQ(ed.font.DotColour[DotIndex(14, 4)], kRed);
    EXPECT_EQ(ed.tools.HighlightRange.first, DotIndex(2, 0));
    EXPECT_EQ(ed.tools.HighlightRange.last, DotIndex(2, 15));
}

TEST_F(DotEditingTest, ReleasingAStretchToolLeavesItsHighlightUntilRepainted) {
    Light({DotIndex(2, 4)});
    ToolButtonClick(ed, kToolStretchVertical);
    DotMouseMove(ed, DotIndex(2, 9), kNoModifier);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kCyan);
    ToolButtonClick(ed, kToolStretchVertical);
    DotMouseMove(ed, DotIndex(3, 9), kNoModifier);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kCyan);
    ShowGlyph(ed.font, 0, 32, 16, kScanVertical1);
    EXPECT_EQ(ed.font.DotColour[DotIndex(2, 4)], kBlue);
}

TEST_F(DotEditingTest, ArmedToolTakesOverTheMovementSoNoStrokeIsDrawn) {
    ToolButtonClick(ed, kToolLine);
    DotMouseMove(ed, DotIndex(3, 3), kShift);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(3, 3)], kDark);
    EXPECT_FALSE(ed.tools.StrokeOpen);
}

TEST_F(DotEditingTest, StrokesPackIntoEveryScan) {
    for (int scan = 0; scan < kScanCount; ++scan) {
        test::OpenTestFont(ed, 5, scan);  // 24 x 32
        ResetUndoHistory(ed);
        const std::vector<int> dots{DotIndex(0, 0), DotIndex(9, 11), DotIndex(31, 23),
                                    DotIndex(17, 8)};
        for (const int dot : dots) {
            DotMouseMove(ed, dot, kShift);
        }
        DotMouseMove(ed, DotIndex(1, 1), kNoModifier);
        const DotMatrix unpacked = UnpackGlyph(test::CharBytes(ed, 0), scan, 24, 32);
        EXPECT_EQ(std::count(unpacked.begin(), unpacked.end(), 1), 4) << scan;
        for (const int dot : dots) {
            EXPECT_EQ(unpacked[dot], 1) << scan << " " << dot;
        }
    }
}

// A drag from a dot the click lit lights every dot passed, also between two far pointer events,
// and the whole drag is one undo step; "откат" takes all of it back.
TEST_F(DotEditingTest, DragPaintsWithTheClickedValueAsOneUndoStep) {
    Light({DotIndex(2, 5)});
    ResetUndoHistory(ed);
    DotClick(ed, host, DotIndex(2, 2));
    DotDrag(ed, DotIndex(2, 3));
    DotDrag(ed, DotIndex(2, 7));  // the pointer jumped over columns 4..6
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition);
    DotDragEnd(ed);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition - 1);
    for (int column = 2; column <= 7; ++column) {
        EXPECT_EQ(ed.font.DotGrid[DotIndex(2, column)], kLit) << column;
    }
    EXPECT_EQ(Byte(2), 0x04);
    EXPECT_EQ(Byte(7), 0x04);
    EXPECT_EQ(ed.win.nosave, 1);
    UndoStep(ed);
    EXPECT_EQ(Byte(2), 0x00);
    EXPECT_EQ(Byte(5), 0x04);
}

TEST_F(DotEditingTest, DragFromADarkenedDotErasesAndAClickAloneIsNoStep) {
    Light({DotIndex(4, 1), DotIndex(5, 1), DotIndex(6, 1)});
    DotClick(ed, host, DotIndex(4, 1));
    DotDrag(ed, DotIndex(4, 1));
    DotDragEnd(ed);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition);
    DotClick(ed, host, DotIndex(5, 1));
    DotDrag(ed, DotIndex(7, 1));
    DotDragEnd(ed);
    EXPECT_EQ(Byte(1), 0x00);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition - 1);
}

TEST_F(DotEditingTest, DragWithAToolArmedPaintsNothing) {
    ToolButtonClick(ed, kToolLine);
    const auto before = ed.font.DotGrid;
    DotClick(ed, host, DotIndex(0, 0));  // the line's first point, shown only
    DotDrag(ed, DotIndex(3, 3));
    DotDragEnd(ed);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(0, 0)], kLit);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(3, 3)], before[DotIndex(3, 3)]);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(1, 1)], before[DotIndex(1, 1)]);
    EXPECT_EQ(Byte(0), 0x00);
    EXPECT_EQ(ed.undo.UndoPosition, kInitialPosition);
    EXPECT_EQ(ed.win.coordinates, "X=3  Y=3");
}

}  // namespace
}  // namespace pixmora
