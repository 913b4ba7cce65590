#include "tools/shift_and_mirror.h"

#include <gtest/gtest.h>

#include <random>

#include "commands/commands.h"
#include "drawing_support.h"
#include "editor/tool_state.h"
#include "support/fake_host.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

using test::Dot;
using test::DotSet;
using test::Picture;

// A shift as the dot matrix defines it; `edge` says whether the leading edge holds a lit dot.
Picture Shifted(const Picture& p, Direction direction) {
    const int height = static_cast<int>(p.size());
    const int width = static_cast<int>(p[0].size());
    Picture moved(p.size(), std::vector<bool>(p[0].size()));
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int fromRow =
                r + (direction == Direction::Up ? 1 : 0) - (direction == Direction::Down ? 1 : 0);
            const int fromColumn = c + (direction == Direction::Left ? 1 : 0) -
                                   (direction == Direction::Right ? 1 : 0);
            if (fromRow >= 0 && fromRow < height && fromColumn >= 0 && fromColumn < width) {
                moved[r][c] = p[fromRow][fromColumn];
            }
        }
    }
    return moved;
}

Picture Mirrored(Picture p) {
    for (auto& row : p) {
        std::reverse(row.begin(), row.end());
    }
    return p;
}

// The opposite edge of a shift: the one it moves the glyph towards.
bool LeadingEdgeLit(const Picture& p, Direction direction) {
    const std::size_t last = p[0].size() - 1;
    for (std::size_t r = 0; r < p.size(); ++r) {
        for (std::size_t c = 0; c <= last; ++c) {
            const bool onEdge = (direction == Direction::Up && r == 0) ||
                                (direction == Direction::Down && r == p.size() - 1) ||
                                (direction == Direction::Left && c == 0) ||
                                (direction == Direction::Right && c == last);
            if (onEdge && p[r][c]) {
                return true;
            }
        }
    }
    return false;
}

constexpr Direction kDirections[] = {Direction::Up, Direction::Down, Direction::Left,
                                     Direction::Right};

class ShiftAndMirrorTest : public ::testing::Test {
  protected:
    void Open(int format, int scan) {
        test::OpenTestFont(ed, format, scan);
        ed.font.CurrentChar = 40;
        ed.font.CurrentCharOffset = 40 * ed.params.BytesPerChar;
        ResetUndoHistory(ed);
    }

    Colour Shows(Dot dot) const { return ed.font.DotColour[test::IndexOf(dot)]; }

    Editor ed;
    test::FakeHost host;
    std::mt19937 random{7};
};

TEST_F(ShiftAndMirrorTest, EveryFormatAndScanMatchesTheDotMatrix) {
    test::ForEveryFormatAndScan([&](int format, int scan) {
        Open(format, scan);
        for (const Direction direction : kDirections) {
            // Random pictures leave about half of the shifts refused, exercising both ways.
            for (int attempt = 0; attempt < 4; ++attempt) {
                const Picture before = test::ShowRandomGlyph(ed, random, attempt % 2 == 0);
                const bool refused = LeadingEdgeLit(before, direction);
                ShiftGlyph(ed, direction);
                const Picture expected = refused ? before : Shifted(before, direction);
                ASSERT_EQ(test::ReadPicture(ed), expected)
                    << "direction " << static_cast<int>(direction);
                EXPECT_EQ(test::GridPicture(ed), expected);
            }
        }
        const Picture before = test::ShowRandomGlyph(ed, random, false);
        MirrorGlyph(ed);
        EXPECT_EQ(test::ReadPicture(ed), Mirrored(before));
        EXPECT_EQ(test::GridPicture(ed), Mirrored(before));
        EXPECT_EQ(test::RecordedSteps(ed), 0) << "no undo step";
    });
}

TEST_F(ShiftAndMirrorTest, RefusalLeavesEverythingAlone) {
    Open(4, kScanHorizontal1);
    test::SetGlyph(ed, {{15, 5}, {3, 3}});
    const auto bytes = test::LitInBytes(ed);
    const auto colours = ed.font.DotColour;
    ShiftGlyph(ed, Direction::Right);
    EXPECT_EQ(test::LitInBytes(ed), bytes);
    EXPECT_EQ(ed.font.DotColour, colours);
    EXPECT_EQ(ed.win.nosave, 0);
    EXPECT_EQ(ed.win.nosavesimb, 0);
    EXPECT_FALSE(ed.table.cells[40].bold);
    ShiftGlyph(ed, Direction::Left);
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{14, 5}, {2, 3}})) << "the last column empties";
}

TEST_F(ShiftAndMirrorTest, EmptyGlyphShiftsButOnlyItsCellChanges) {
    Open(1, kScanVertical1);
    for (int i = 0; i < 10; ++i) {
        ShiftGlyph(ed, Direction::Down);
    }
    EXPECT_TRUE(test::LitInBytes(ed).empty());
    EXPECT_TRUE(ed.table.cells[40].bold);
    EXPECT_EQ(ed.table.cells[40].fontSize, ed.font.CharTableFontSize + 2);
    EXPECT_EQ(ed.win.nosave, 1);
    EXPECT_EQ(ed.win.nosavesimb, 1);
}

TEST_F(ShiftAndMirrorTest, UpThenDownAndMirrorTwiceRestore) {
    Open(8, kScanVertical2);
    const Picture before = test::ShowRandomGlyph(ed, random, true);
    ShiftGlyph(ed, Direction::Up);
    ShiftGlyph(ed, Direction::Down);
    EXPECT_EQ(test::ReadPicture(ed), before);
    MirrorGlyph(ed);
    MirrorGlyph(ed);
    EXPECT_EQ(test::ReadPicture(ed), before);
}

TEST_F(ShiftAndMirrorTest, MirrorCrossesByteBoundariesOfARow) {
    Open(3, kScanHorizontal2);
    test::SetGlyph(ed, {{0, 2}, {7, 9}});
    MirrorGlyph(ed);
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{15, 2}, {8, 9}}));
}

TEST_F(ShiftAndMirrorTest, UndoStepsBackPastShiftsAndToggles) {
    Open(4, kScanVertical1);
    test::SetGlyph(ed, {{5, 5}});
    const auto glyph = test::CharBytes(ed, 40);
    glyph[6] |= 1;  // (6, 0) lit and recorded
    RecordUndoStep(ed);
    ShiftGlyph(ed, Direction::Down);
    glyph[9] |= 1;  // a click toggle at (9, 0), never recorded
    ShiftGlyph(ed, Direction::Down);
    EXPECT_EQ(test::RecordedSteps(ed), 1) << "shifts record nothing";
    UndoStep(ed);  // back from the recorded state, with everything done since
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{5, 5}}));
    EXPECT_EQ(test::GridPicture(ed), test::ReadPicture(ed));
}

TEST_F(ShiftAndMirrorTest, CircleCentreMovesWithTheGlyph) {
    Open(4, kScanVertical1);
    test::SetGlyph(ed, {{6, 6}});
    ToolButtonClick(ed, kToolCircle);
    DotClick(ed, host, test::IndexOf({6, 6}));
    ShiftGlyph(ed, Direction::Up);
    EXPECT_EQ(ed.tools.AnchorDot, test::IndexOf({6, 5}));
    EXPECT_EQ(Shows({6, 5}), kCyan);
    EXPECT_EQ(Shows({6, 6}), kWhite) << "the old centre shows what it is";
    EXPECT_EQ(ed.tools.CentreSavedColour, kBlue) << "the glyph's dot moved under the centre";
    DotRightButton(ed, test::IndexOf({0, 0}));
    EXPECT_EQ(Shows({6, 5}), kBlue);
}

TEST_F(ShiftAndMirrorTest, CentreShiftedOffTheCellIsDropped) {
    Open(4, kScanHorizontal1);
    ToolButtonClick(ed, kToolCircle);
    DotClick(ed, host, test::IndexOf({15, 3}));
    ShiftGlyph(ed, Direction::Right);
    EXPECT_EQ(ed.tools.ToolClicks, 0);
    EXPECT_EQ(ed.tools.ActiveTool, kToolCircle) << "the tool stays armed";
    EXPECT_EQ(Shows({15, 3}), kYellow);
    for (int dot = 0; dot < kGridDots; ++dot) {
        EXPECT_NE(ed.font.DotColour[dot], kCyan) << "no marker left at " << dot;
    }
    DotClick(ed, host, test::IndexOf({4, 4}));
    EXPECT_EQ(Shows({4, 4}), kCyan) << "the next click places a new centre";
}

TEST_F(ShiftAndMirrorTest, MirrorUnmarksTheCentreButKeepsItsColourTrue) {
    Open(4, kScanVertical1);
    test::SetGlyph(ed, {{12, 4}});
    ToolButtonClick(ed, kToolCircle);
    DotClick(ed, host, test::IndexOf({3, 4}));
    MirrorGlyph(ed);
    EXPECT_EQ(Shows({3, 4}), kBlue) << "the repaint removes the marker";
    EXPECT_EQ(ed.tools.ToolClicks, 1) << "the centre stays placed";
    DotRightButton(ed, test::IndexOf({0, 0}));
    EXPECT_EQ(Shows({3, 4}), kBlue);
}

TEST_F(ShiftAndMirrorTest, ButtonsLeaveAnArmedToolArmed) {
    Open(4, kScanHorizontal1);
    test::SetGlyph(ed, {{2, 3}});
    ToolButtonClick(ed, kToolFill);
    const std::pair<Ctl, Dot> buttons[] = {{Ctl::ShiftUp, {2, 2}},
                                           {Ctl::ShiftRight, {3, 2}},
                                           {Ctl::ShiftDown, {3, 3}},
                                           {Ctl::ShiftLeft, {2, 3}},
                                           {Ctl::Mirror, {13, 3}}};
    for (const auto& [button, lit] : buttons) {
        RunCommand(ed, host, button);
        EXPECT_EQ(test::LitInBytes(ed), (DotSet{lit}));
    }
    EXPECT_EQ(ed.tools.ActiveTool, kToolFill);
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace pixmora
