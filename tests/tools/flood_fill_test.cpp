#include "tools/flood_fill.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "drawing_support.h"
#include "editor/tool_state.h"
#include "support/fake_host.h"

namespace pixmora {
namespace {

using test::Dot;
using test::DotSet;

// The outline of the rectangle of columns left..right and rows top..bottom.
DotSet Frame(int left, int top, int right, int bottom) {
    DotSet dots;
    for (int column = left; column <= right; ++column) {
        dots.insert({column, top});
        dots.insert({column, bottom});
    }
    for (int row = top; row <= bottom; ++row) {
        dots.insert({left, row});
        dots.insert({right, row});
    }
    return dots;
}

// Every dot of the rectangle.
DotSet Block(int left, int top, int right, int bottom) {
    DotSet dots;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            dots.insert({column, row});
        }
    }
    return dots;
}

// Dots within `reach` of `centre` in |dx| + |dy|: a diamond drawn of diagonal steps only.
DotSet Diamond(Dot centre, int reach, bool outlineOnly) {
    DotSet dots;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const int distance = std::abs(dx) + std::abs(dy);
            if (outlineOnly ? distance == reach : distance < reach) {
                dots.insert({centre.column + dx, centre.row + dy});
            }
        }
    }
    return dots;
}

DotSet Union(DotSet a, const DotSet& b) {
    a.insert(b.begin(), b.end());
    return a;
}

class FloodFillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::OpenTestFont(ed, 4, kScanHorizontal1);  // 16 x 24
        ToolButtonClick(ed, kToolFill);
    }

    void Fill(Dot dot) { FloodFill(ed, host, test::IndexOf(dot)); }

    Editor ed;
    test::FakeHost host;
};

TEST_F(FloodFillTest, ClickOnLitDotDoesNothing) {
    test::SetGlyph(ed, Frame(3, 3, 8, 8));
    Fill({3, 5});
    EXPECT_EQ(test::LitInBytes(ed), Frame(3, 3, 8, 8));
    EXPECT_EQ(test::RecordedSteps(ed), 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ed.win.nosave, 0);
}

TEST_F(FloodFillTest, ClosedRingsFillTheirInsideOnly) {
    const DotSet frame = Frame(3, 4, 9, 12);
    test::SetGlyph(ed, frame);
    Fill({6, 6});
    EXPECT_EQ(test::LitOnGrid(ed), Block(3, 4, 9, 12));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ed.tools.ActiveTool, kToolFill) << "the tool stays armed";
    EXPECT_EQ(test::RecordedSteps(ed), 1);

    const DotSet diamond = Diamond({7, 10}, 4, true);
    test::SetGlyph(ed, diamond);
    Fill({7, 12});
    EXPECT_EQ(test::LitInBytes(ed), Union(diamond, Diamond({7, 10}, 4, false)))
        << "diagonal neighbours do not connect";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FloodFillTest, BorderDotIsLitAloneAndReported) {
    host.answers = {MsgAnswer::No};
    Fill({0, 10});
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{0, 10}}));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              "Отсутствует или нарушена граница \rобласти заливки. Отмена операции.");
    EXPECT_EQ(host.messages[0].title, "Ошибка!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool) << "the fill is released";
    EXPECT_EQ(test::RecordedSteps(ed), 1);
}

TEST_F(FloodFillTest, OpenRegionKeepsWhatTheDownFirstOrderReached) {
    // From (5,10) the fill runs down its column to the bar, creeps left along the bar's top to
    // (2,13), turns down past the bar's end and is stopped by the bottom edge.
    DotSet bar;
    for (int column = 3; column <= 7; ++column) {
        bar.insert({column, 14});
    }
    DotSet reached{{4, 13}, {3, 13}, {2, 13}};
    for (int row = 10; row <= 13; ++row) {
        reached.insert({5, row});
    }
    for (int row = 14; row <= 23; ++row) {
        reached.insert({2, row});
    }
    for (const MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
        test::SetGlyph(ed, bar);
        ToolButtonClick(ed, kToolFill);
        host.answers = {answer};
        Fill({5, 10});
        EXPECT_EQ(test::LitInBytes(ed), Union(bar, reached));
        EXPECT_EQ(test::LitOnGrid(ed), test::LitInBytes(ed));
        EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
        UndoStep(ed);
        EXPECT_EQ(test::LitInBytes(ed), bar) << "\"откат\" takes back exactly the dots lit";
        EXPECT_EQ(test::LitOnGrid(ed), bar);
    }
    EXPECT_EQ(host.messages.size(), 2U);
}

TEST_F(FloodFillTest, OneDotGapLetsTheFillEscape) {
    DotSet frame = Frame(3, 4, 9, 12);
    frame.erase({9, 8});
    test::SetGlyph(ed, frame);
    host.answers = {MsgAnswer::Yes};
    Fill({6, 6});
    EXPECT_EQ(host.messages.size(), 1U);
    EXPECT_TRUE(test::LitInBytes(ed).contains({9, 8})) << "the gap is lit on the way out";
    EXPECT_EQ(ed.tools.ActiveTool, kNoTool);
}

TEST_F(FloodFillTest, MarginDotsAreLitRed) {
    // A frame on the bottom-right edges of the cell: its inside reaches into the yellow margin
    // (columns 14, 15 and rows 22, 23) without touching the border.
    test::SetGlyph(ed, Frame(10, 18, 15, 23));
    Fill({12, 20});
    for (int row = 19; row <= 22; ++row) {
        for (int column = 11; column <= 14; ++column) {
            const bool margin = column >= 14 || row >= 22;
            EXPECT_EQ(ed.font.DotColour[DotIndex(row, column)], margin ? kRed : kBlue)
                << Dot{column, row};
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
