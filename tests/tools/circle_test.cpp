#include "tools/circle.h"

#include <gtest/gtest.h>

#include <vector>

#include "drawing_support.h"
#include "editor/tool_state.h"
#include "support/fake_host.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

using test::Dot;
using test::DotSet;

// The offsets (a, b) and (b, a) with every sign: a dot family of a circle drawn around (0, 0).
DotSet Symmetric(const std::vector<Dot>& offsets) {
    DotSet dots;
    for (const Dot& offset : offsets) {
        for (const int sx : {-1, 1}) {
            for (const int sy : {-1, 1}) {
                dots.insert({sx * offset.column, sy * offset.row});
                dots.insert({sx * offset.row, sy * offset.column});
            }
        }
    }
    return dots;
}

DotSet Around(Dot centre, const DotSet& offsets) {
    DotSet dots;
    for (const Dot& offset : offsets) {
        dots.insert({centre.column + offset.column, centre.row + offset.row});
    }
    return dots;
}

class CircleTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(8); }

    void Open(int format) {
        test::OpenTestFont(ed, format, kScanVertical1);
        ResetUndoHistory(ed);
        ToolButtonClick(ed, kToolCircle);
    }

    void Click(Dot dot) { DotClick(ed, host, test::IndexOf(dot)); }
    Colour Shows(Dot dot) const { return ed.font.DotColour[test::IndexOf(dot)]; }

    Editor ed;
    test::FakeHost host;
};

TEST_F(CircleTest, SmallRadiiDrawTheOffsetTable) {
    const Dot centre{20, 20};
    const std::vector<DotSet> table{
        {{0, 0}},
        Symmetric({{1, 0}}),
        Symmetric({{2, 0}, {2, 1}}),
        Symmetric({{3, 0}, {3, 1}, {2, 2}}),
        Symmetric({{4, 0}, {4, 1}, {3, 2}, {3, 3}}),
        Symmetric({{5, 0}, {5, 1}, {5, 2}, {4, 3}}),
        // K = 4 for R = 6. A step k = 5 would add (5, 3) and (3, 5), which k = 3 draws anyway, so
        // the rounding of 3R/4 shows in no dot.
        Symmetric({{6, 0}, {6, 1}, {6, 2}, {5, 3}, {4, 4}}),
    };
    const std::vector<std::size_t> counts{1, 4, 12, 16, 24, 28, 32};
    for (int radius = 0; radius < static_cast<int>(table.size()); ++radius) {
        test::SetGlyph(ed, {});
        Click(centre);
        Click({centre.column + radius, centre.row});
        EXPECT_EQ(ed.tools.CircleRadius, radius);
        EXPECT_EQ(test::LitInBytes(ed), Around(centre, table[radius])) << "R = " << radius;
        EXPECT_EQ(test::LitOnGrid(ed).size(), counts[radius]) << "R = " << radius;
        DropCircleCentre(ed);
    }
}

TEST_F(CircleTest, RadiusIsTheRoundedDistanceToTheClickedDot) {
    Click({10, 10});
    EXPECT_EQ(CircleRadiusTo(test::IndexOf({10, 10}), test::IndexOf({11, 11})), 1);
    ed.tools.CircleRadius = 17;  // left over from an earlier pointer position
    Click({13, 14});
    EXPECT_EQ(ed.tools.CircleRadius, 5);
    EXPECT_EQ(test::LitInBytes(ed), Around({10, 10}, Symmetric({{5, 0}, {5, 1}, {5, 2}, {4, 3}})));
}

TEST_F(CircleTest, CornerCircleIsClippedToTheCell) {
    Open(4);  // 16 x 24, so clipping cannot hide behind the grid's own edge
    Click({0, 0});
    Click({3, 0});
    EXPECT_EQ(test::LitOnGrid(ed), (DotSet{{3, 0}, {0, 3}, {3, 1}, {1, 3}, {2, 2}}));
    test::SetGlyph(ed, {});
    DropCircleCentre(ed);
    Click({15, 23});
    Click({15, 21});
    EXPECT_EQ(test::LitOnGrid(ed), (DotSet{{15, 21}, {13, 23}, {14, 21}, {13, 22}}));
}

TEST_F(CircleTest, CentreMarkerIsOnlyAColour) {
    test::SetGlyph(ed, {{10, 10}});
    const auto bytesBefore = test::LitInBytes(ed);
    Click({10, 10});
    EXPECT_EQ(Shows({10, 10}), kCyan);
    EXPECT_EQ(ed.font.DotGrid[test::IndexOf({10, 10})], kLit);
    EXPECT_EQ(test::LitInBytes(ed), bytesBefore);
    EXPECT_EQ(test::RecordedSteps(ed), 0);
    DotRightButton(ed, test::IndexOf({30, 30}));
    EXPECT_EQ(Shows({10, 10}), kBlue) << "a lit centre gets its blue back";
    EXPECT_EQ(ed.tools.ToolClicks, 0);
    EXPECT_EQ(ed.tools.ActiveTool, kToolCircle);
    Click({20, 20});
    EXPECT_EQ(Shows({20, 20}), kCyan) << "the next click places a new centre";
    EXPECT_EQ(test::RecordedSteps(ed), 0);
}

TEST_F(CircleTest, ConcentricCirclesAreOneStepEach) {
    Click({20, 20});
    for (const int radius : {2, 4, 6}) {
        Click({20 + radius, 20});
        EXPECT_EQ(Shows({20, 20}), kCyan);
    }
    EXPECT_EQ(test::RecordedSteps(ed), 3);
    EXPECT_TRUE(test::LitInBytes(ed).contains({26, 20}));
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.font.CharDefined[0], kLit);
    UndoStep(ed);
    EXPECT_FALSE(test::LitInBytes(ed).contains({26, 20}));
    EXPECT_TRUE(test::LitInBytes(ed).contains({24, 20}));
}

TEST_F(CircleTest, ZeroRadiusLightsTheCentreBlueEvenInTheMargin) {
    const Dot margin{47, 55};
    Click(margin);
    Click(margin);
    EXPECT_EQ(Shows(margin), kBlue) << "it showed cyan, not yellow";
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{margin}));
    DotRightButton(ed, test::IndexOf(margin));
    EXPECT_EQ(Shows(margin), kBlue) << "dropped, the centre still shows it is lit";
}

}  // namespace
}  // namespace pixmora
