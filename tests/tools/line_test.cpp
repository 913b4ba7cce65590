#include "tools/line.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "drawing_support.h"
#include "editor/tool_state.h"
#include "support/fake_host.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

using test::Dot;
using test::DotSet;

// An independent model of the rasteriser's single-precision arithmetic: values are exact binary
// fixed-point numbers, rounded to 24 significant bits (ties to even) by hand, never by a float.
constexpr int kFractionBits = 40;
using Fixed = std::int64_t;

constexpr Fixed FromInt(int value) {
    return static_cast<Fixed>(value) * (Fixed{1} << kFractionBits);
}

// Rounds to a float's 24 significant bits; `inexact` says a remainder below the last bit exists.
Fixed RoundToSingle(Fixed value, bool inexact = false) {
    const bool negative = value < 0;
    std::uint64_t magnitude = static_cast<std::uint64_t>(negative ? -value : value);
    const int drop = std::bit_width(magnitude) - 24;
    if (drop > 0) {
        const std::uint64_t rest = magnitude & ((std::uint64_t{1} << drop) - 1);
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        std::uint64_t kept = magnitude >> drop;
        if (rest > half || (rest == half && (inexact || (kept & 1U)))) {
            ++kept;
        }
        magnitude = kept << drop;
    }
    const auto rounded = static_cast<Fixed>(magnitude);
    return negative ? -rounded : rounded;
}

// numerator / denominator (denominator > 0) rounded to single precision.
Fixed DivideToSingle(int numerator, int denominator) {
    const Fixed scaled = FromInt(std::abs(numerator));
    const Fixed quotient = RoundToSingle(scaled / denominator, scaled % denominator != 0);
    return numerator < 0 ? -quotient : quotient;
}

int RoundHalfEven(Fixed value) {
    const Fixed whole = value >> kFractionBits;  // floor
    const Fixed fraction = value - (whole << kFractionBits);
    const Fixed half = Fixed{1} << (kFractionBits - 1);
    const bool up = fraction > half || (fraction == half && (whole & 1) != 0);
    return static_cast<int>(up ? whole + 1 : whole);
}

DotSet ModelSegment(Dot from, Dot to) {
    const int dx = to.column - from.column;
    const int dy = to.row - from.row;
    DotSet dots{from};
    if (std::abs(dy) >= std::abs(dx)) {
        const Fixed stepX = DivideToSingle(dx, std::abs(dy));
        const Fixed stepIndex = FromInt(dy > 0 ? kGridColumns : -kGridColumns);
        Fixed position = FromInt(test::IndexOf(from));
        for (int i = 1; i <= std::abs(dy); ++i) {
            position = RoundToSingle(position + stepX + stepIndex);
            const int dot = RoundHalfEven(position);
            dots.insert({DotColumn(dot), DotRow(dot)});
        }
    } else {
        const Fixed stepY = DivideToSingle(dy, std::abs(dx));
        const int stepColumn = dx > 0 ? 1 : -1;
        for (int i = 1; i <= std::abs(dx); ++i) {
            const int row = RoundHalfEven(RoundToSingle(i * stepY));
            dots.insert({from.column + stepColumn * i, from.row + row});
        }
    }
    return dots;
}

class LineTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(8); }

    void Open(int format) {
        test::OpenTestFont(ed, format, kScanVertical1);
        ResetUndoHistory(ed);
        ToolButtonClick(ed, kToolLine);
    }

    // A click on the grid, handed to the armed line or polyline tool.
    void Click(Dot dot) { DotClick(ed, host, test::IndexOf(dot)); }

    DotSet Line(Dot from, Dot to) {
        test::SetGlyph(ed, {});
        Click(from);
        Click(to);
        EXPECT_EQ(LitOnGrid(), test::LitInBytes(ed)) << "the grid and the bytes agree";
        return LitOnGrid();
    }

    DotSet LitOnGrid() const { return test::LitOnGrid(ed); }

    Editor ed;
    test::FakeHost host;
};

TEST_F(LineTest, WorkedExamples) {
    const DotSet shallow{{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}};
    EXPECT_EQ(Line({0, 0}, {4, 2}), shallow);
    EXPECT_EQ(Line({4, 2}, {0, 0}), shallow) << "drawn backwards";
    EXPECT_EQ(Line({0, 0}, {2, 4}), (DotSet{{0, 0}, {0, 1}, {1, 2}, {2, 3}, {2, 4}}));
    EXPECT_EQ(Line({0, 0}, {3, 3}), (DotSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Line({9, 5}, {2, 5}),
              (DotSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}));
    EXPECT_EQ(Line({7, 1}, {7, 5}), (DotSet{{7, 1}, {7, 2}, {7, 3}, {7, 4}, {7, 5}}));
}

TEST_F(LineTest, SteepPositionIsRoundedOncePerStep) {
    // Exactly half way at row 3 (column 32.5): the running position must round to the even
    // column; adding the two step terms one at a time in single precision gives 33.
    EXPECT_TRUE(Line({32, 0}, {33, 6}).contains({32, 3}));
    EXPECT_EQ(Line({32, 0}, {33, 6}), ModelSegment({32, 0}, {33, 6}));
    EXPECT_EQ(Line({0, 0}, {3, 10}), (DotSet{{0, 0},
                                             {0, 1},
                                             {1, 2},
                                             {1, 3},
                                             {1, 4},
                                             {2, 5},
                                             {2, 6},
                                             {2, 7},
                                             {2, 8},
                                             {3, 9},
                                             {3, 10}}));
    EXPECT_EQ(Line({40, 0}, {47, 55}), ModelSegment({40, 0}, {47, 55}));
    EXPECT_EQ(Line({47, 55}, {40, 0}), ModelSegment({47, 55}, {40, 0}));
}

TEST_F(LineTest, AgreesWithExactModelOnRandomSegments) {
    std::mt19937 random(6);
    std::uniform_int_distribution<int> column(0, 47);
    std::uniform_int_distribution<int> row(0, 55);
    for (int segment = 0; segment < 1500; ++segment) {
        const Dot from{column(random), row(random)};
        const Dot to{column(random), row(random)};
        if (from == to) {
            continue;
        }
        ASSERT_EQ(Line(from, to), ModelSegment(from, to)) << from << " to " << to;
    }
}

TEST_F(LineTest, FirstPointWaitsAndClickingItAgainChangesNothing) {
    Click({3, 4});
    EXPECT_EQ(ed.tools.ToolClicks, 1);
    EXPECT_EQ(LitOnGrid(), (DotSet{{3, 4}}));
    EXPECT_TRUE(test::LitInBytes(ed).empty()) << "the first point is not packed";
    EXPECT_EQ(test::RecordedSteps(ed), 0);
    Click({3, 4});
    EXPECT_EQ(ed.tools.ToolClicks, 1) << "still waiting for the second point";
    EXPECT_EQ(test::RecordedSteps(ed), 0);
    Click({5, 4});
    EXPECT_EQ(ed.tools.ToolClicks, 0) << "the next click starts a new line";
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(test::RecordedSteps(ed), 1);
}

TEST_F(LineTest, PolylineChainsSegmentsUntilReleased) {
    ToolButtonClick(ed, kToolPolyline);
    Click({0, 0});
    Click({2, 0});
    Click({2, 0});  // the current start: nothing
    Click({2, 2});
    EXPECT_EQ(ed.tools.ToolClicks, 2);
    EXPECT_EQ(ed.tools.AnchorDot, test::IndexOf({2, 2}));
    EXPECT_EQ(test::RecordedSteps(ed), 2) << "one step per segment";
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}));
    UndoStep(ed);
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{0, 0}, {1, 0}, {2, 0}}));
}

TEST_F(LineTest, InkFollowsWhatTheDotShows) {
    Open(4);  // 16 x 24: columns 14, 15 and rows 22, 23 are the margin
    test::SetGlyph(ed, {{14, 3}});
    ASSERT_EQ(ed.font.DotColour[test::IndexOf({14, 3})], kRed);
    Click({10, 3});
    Click({15, 3});
    EXPECT_EQ(ed.font.DotColour[test::IndexOf({14, 3})], kRed) << "a red dot stays red";
    EXPECT_EQ(ed.font.DotColour[test::IndexOf({15, 3})], kRed);
    EXPECT_EQ(ed.font.DotColour[test::IndexOf({13, 3})], kBlue);
    EXPECT_EQ(ed.font.DotColour[test::IndexOf({10, 3})], kBlue);
}

TEST_F(LineTest, FinishedLineMarksTheCharacterAndTheFont) {
    ed.font.CurrentChar = 100;  // a letterless cell
    ed.font.CurrentCharOffset = 100 * ed.params.BytesPerChar;
    Click({1, 1});
    EXPECT_EQ(ed.win.nosave, 0);
    Click({1, 3});
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.font.CharDefined[100], kLit);
    EXPECT_TRUE(ed.table.cells[100].bold);
    EXPECT_EQ(ed.table.cells[100].fontSize, ed.font.CharTableFontSize + 2);
    EXPECT_EQ(ed.table.cells[100].textCode, kBulletCode);
}

TEST_F(LineTest, StartRepaintedAwayStillBelongsToTheLine) {
    Click({6, 6});
    ShowGlyph(ed.font, ed.font.CurrentCharOffset, ed.params.BytesPerChar, ed.params.CellWidth,
              ed.params.FontByteScan);  // as a shift repaints the grid
    Click({6, 8});
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{6, 6}, {6, 7}, {6, 8}}));
}

}  // namespace
}  // namespace pixmora
