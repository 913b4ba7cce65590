#include "editor/tool_state.h"

#include <gtest/gtest.h>

#include "model/glyph_packing.h"
#include "support/test_font.h"

namespace pixmora {
namespace {

class ToolStateTest : public ::testing::Test {
  protected:
    void SetUp() override { test::OpenTestFont(ed, 3, kScanVertical1); }

    const std::string& Picture(int tool) const { return ed.tools.ButtonPicture[tool - 1]; }

    // What a first click of the line tool leaves: the point lit on the grid, bytes untouched.
    void PlaceLinePoint(int dot) {
        ed.tools.ToolClicks = 1;
        ed.tools.AnchorDot = dot;
        ed.font.DotGrid[dot] = kLit;
        ed.font.DotColour[dot] = kBlue;
    }

    Editor ed;
};

TEST_F(ToolStateTest, ButtonArmsReleasesAndSwitches) {
    ToolButtonClick(ed, kToolLine);
    EXPECT_EQ(ed.tools.ActiveTool, kToolLine);
    EXPECT_EQ(Picture(kToolLine), "Line_r.bmp");
    ToolButtonClick(ed, kToolStretchHorizontal);
    EXPECT_EQ(ed.tools.ActiveTool, kToolStretchHorizontal);
    EXPECT_EQ(Picture(kToolStretchHorizontal), "Big_xr.bmp");
    EXPECT_EQ(Picture(kToolLine), "Line.bmp");
    ToolButtonClick(ed, kToolStretchHorizontal);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_EQ(Picture(kToolStretchHorizontal), "Big_x.bmp");
}

TEST_F(ToolStateTest, FillAsksForLowerCaseNameOnlyWhenReleasedItself) {
    ToolButtonClick(ed, kToolFill);
    EXPECT_EQ(Picture(kToolFill), "Fill_r.bmp");
    ToolButtonClick(ed, kToolFill);
    EXPECT_EQ(Picture(kToolFill), "fill.bmp");
    ToolButtonClick(ed, kToolFill);
    ToolButtonClick(ed, kToolCircle);
    EXPECT_EQ(Picture(kToolFill), "Fill.bmp");
    DeselectTool(ed);
    EXPECT_EQ(Picture(kToolFill), "fill.bmp");
}

TEST_F(ToolStateTest, ArmingPointToolsClearsTheirClickCount) {
    ToolButtonClick(ed, kToolCircle);
    ed.tools.ToolClicks = 2;
    ToolButtonClick(ed, kToolStretchVertical);
    EXPECT_EQ(ed.tools.ToolClicks, 2) << "tools 1..4 and the fill leave the count";
    ToolButtonClick(ed, kToolPolyline);
    EXPECT_EQ(ed.tools.ToolClicks, 0);
}

TEST_F(ToolStateTest, SwitchingAwayTakesBackAPendingLinePoint) {
    ToolButtonClick(ed, kToolLine);
    PlaceLinePoint(DotIndex(4, 4));
    ToolButtonClick(ed, kToolFill);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(4, 4)], kDark);
    EXPECT_EQ(ed.font.DotColour[DotIndex(4, 4)], kWhite);

    // In the margin the dot goes back to yellow.
    ToolButtonClick(ed, kToolPolyline);
    PlaceLinePoint(DotIndex(15, 4));
    ed.font.DotColour[DotIndex(15, 4)] = kRed;
    ToolButtonClick(ed, kToolCircle);
    EXPECT_EQ(ed.font.DotColour[DotIndex(15, 4)], kYellow);
}

TEST_F(ToolStateTest, SwitchingAwayKeepsAPointThatWasDrawnBefore) {
    ed.font.FontImage[4] = 0x10;  // column 4, row 4 is part of the glyph
    ShowGlyph(ed.font, 0, 32, 16, kScanVertical1);
    ToolButtonClick(ed, kToolLine);
    PlaceLinePoint(DotIndex(4, 4));
    ToolButtonClick(ed, kToolFill);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(4, 4)], kLit) << "grid and bytes must keep agreeing";
    EXPECT_EQ(ed.font.DotColour[DotIndex(4, 4)], kBlue);
}

TEST_F(ToolStateTest, ReleasingTheLineLeavesItsPointLit) {
    ToolButtonClick(ed, kToolLine);
    PlaceLinePoint(DotIndex(4, 4));
    ToolButtonClick(ed, kToolLine);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(4, 4)], kLit);
    ToolButtonClick(ed, kToolLine);
    PlaceLinePoint(DotIndex(5, 5));
    DeselectTool(ed);
    EXPECT_EQ(ed.font.DotGrid[DotIndex(5, 5)], kLit);
    EXPECT_EQ(ed.font.FontImage[5], 0) << "the bytes are not changed";
}

TEST_F(ToolStateTest, DroppingTheCircleGivesTheCentreItsColourBack) {
    for (const bool bySwitch : {false, true}) {
        ToolButtonClick(ed, kToolCircle);
        ed.tools.ToolClicks = 1;
        ed.tools.AnchorDot = DotIndex(6, 6);
        ed.tools.CentreSavedColour = kBlue;
        ed.font.DotColour[DotIndex(6, 6)] = kCyan;
        ToolButtonClick(ed, bySwitch ? kToolLine : kToolCircle);
        EXPECT_EQ(ed.font.DotColour[DotIndex(6, 6)], kBlue);
        DeselectTool(ed);
    }
}

TEST_F(ToolStateTest, DeselectWithNoToolOnlyResetsPictures) {
    ed.tools.ButtonPicture.fill("");
    const auto grid = ed.font.DotColour;
    DeselectTool(ed);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
    EXPECT_EQ(ed.font.DotColour, grid);
    for (int tool = 1; tool <= kToolCount; ++tool) {
        EXPECT_EQ(Picture(tool), tool == kToolFill ? "fill.bmp" : ToolTable(tool).releasedPicture);
    }
}

}  // namespace
}  // namespace pixmora
