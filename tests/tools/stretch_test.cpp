#include "tools/stretch.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "drawing_support.h"
#include "editor/tool_state.h"
#include "support/fake_host.h"
#include "tools/dot_editing.h"

namespace pixmora {
namespace {

using test::DotSet;
using test::Picture;

// The four operations as the dot matrix defines them.
Picture Stretched(Picture p, int x) {
    for (auto& row : p) {
        for (int c = 0; c < x; ++c) {
            row[c] = row[c + 1];
        }
    }
    return p;
}

Picture Compressed(Picture p, int x) {
    for (auto& row : p) {
        for (int c = x; c >= 1; --c) {
            row[c] = row[c - 1];
        }
        row[0] = false;
    }
    return p;
}

Picture StretchedDown(Picture p, int y) {
    for (int r = 0; r < y; ++r) {
        p[r] = p[r + 1];
    }
    return p;
}

Picture CompressedUp(Picture p, int y) {
    for (int r = y; r >= 1; --r) {
        p[r] = p[r - 1];
    }
    p[0].assign(p[0].size(), false);
    return p;
}

struct Operation {
    const char* name;
    void (*apply)(Editor&, int);
    Picture (*expected)(Picture, int);
    bool alongColumns;  // the line is a column, not a row
    bool stretch;
};

const Operation kOperations[] = {
    {"StretchHorizontal", StretchHorizontal, Stretched, true, true},
    {"CompressHorizontal", CompressHorizontal, Compressed, true, false},
    {"StretchVertical", StretchVertical, StretchedDown, false, true},
    {"CompressVertical", CompressVertical, CompressedUp, false, false},
};

// Lines of a long cell worth trying: every position within the first and last bytes and the
// lines on both sides of every byte boundary. Short cells try every line.
bool WorthTrying(int line, int count) {
    return count <= 16 || line < 10 || line >= count - 10 || line % 8 == 0 || line % 8 == 7;
}

class StretchTest : public ::testing::Test {
  protected:
    void Open(int format, int scan) {
        test::OpenTestFont(ed, format, scan);
        ed.font.CurrentChar = 7;
        ed.font.CurrentCharOffset = 7 * ed.params.BytesPerChar;
    }

    // Runs `body` on a font of every format and every byte scan it offers.
    void ForEveryFont(const std::function<void()>& body) {
        test::ForEveryFormatAndScan([&](int format, int scan) {
            Open(format, scan);
            body();
        });
    }

    Editor ed;
    std::mt19937 random{45};
};

TEST_F(StretchTest, EveryLineOfEveryScanMatchesTheDotMatrix) {
    ForEveryFont([&] {
        for (const Operation& op : kOperations) {
            const int lines = op.alongColumns ? ed.params.CellWidth : ed.params.CellHeight;
            for (int line = 0; line < lines; ++line) {
                if (!WorthTrying(line, lines)) {
                    continue;
                }
                // A stretch needs an empty leading edge, or it is refused.
                const Picture before = test::ShowRandomGlyph(ed, random, op.stretch);
                const Picture expected = op.expected(before, line);
                op.apply(ed, line);
                ASSERT_EQ(test::ReadPicture(ed), expected) << op.name << " at " << line;
                EXPECT_EQ(test::GridPicture(ed), expected) << "repainted";
                EXPECT_EQ(test::RecordedSteps(ed), 1);
            }
        }
    });
}

TEST_F(StretchTest, LitLeadingEdgeRefusesTheStretch) {
    ForEveryFont([&] {
        std::uniform_int_distribution<int> column(0, ed.params.CellWidth - 1);
        std::uniform_int_distribution<int> row(0, ed.params.CellHeight - 1);
        for (const bool horizontal : {true, false}) {
            Picture before = test::ShowRandomGlyph(ed, random, true);
            // One lit dot anywhere on the edge, also past the first byte of a wide row.
            if (horizontal) {
                before[row(random)][0] = true;
            } else {
                before[0][column(random)] = true;
            }
            test::ShowPicture(ed, before);
            const auto grid = ed.font.DotGrid;
            if (horizontal) {
                StretchHorizontal(ed, column(random));
            } else {
                StretchVertical(ed, row(random));
            }
            EXPECT_EQ(test::ReadPicture(ed), before);
            EXPECT_EQ(ed.font.DotGrid, grid);
            EXPECT_EQ(test::RecordedSteps(ed), 0);
            EXPECT_FALSE(ed.table.cells[7].bold);
            EXPECT_EQ(ed.win.nosave, 0);
        }
    });
}

TEST_F(StretchTest, BarInColumnThreeDoublesOrDisappears) {
    Open(4, kScanHorizontal2);
    DotSet bar;
    for (int row = 2; row <= 9; ++row) {
        bar.insert({3, row});
    }
    test::SetGlyph(ed, bar);
    StretchHorizontal(ed, 3);
    DotSet wide = bar;
    for (int row = 2; row <= 9; ++row) {
        wide.insert({2, row});
    }
    EXPECT_EQ(test::LitInBytes(ed), wide);
    EXPECT_TRUE(ed.table.cells[7].bold);
    EXPECT_EQ(ed.table.cells[7].fontSize, ed.font.CharTableFontSize + 2);
    EXPECT_EQ(ed.win.nosave, 1);

    test::SetGlyph(ed, bar);
    CompressHorizontal(ed, 3);
    EXPECT_TRUE(test::LitInBytes(ed).empty());
    UndoStep(ed);
    EXPECT_EQ(test::LitInBytes(ed), bar);
}

TEST_F(StretchTest, StretchAtTheEdgeIsStillAStep) {
    Open(3, kScanVertical1);
    const DotSet shape{{4, 4}, {5, 6}};
    test::SetGlyph(ed, shape);
    StretchHorizontal(ed, 0);
    EXPECT_EQ(test::LitInBytes(ed), shape);
    EXPECT_EQ(test::RecordedSteps(ed), 1);
    test::SetGlyph(ed, {{0, 3}, {0, 9}, {1, 9}});
    CompressHorizontal(ed, 0);
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{1, 9}}));
}

TEST_F(StretchTest, ArmedToolWorksAtTheClickedLine) {
    Open(4, kScanVertical2);
    test::FakeHost host;
    test::SetGlyph(ed, {{3, 5}, {3, 6}});
    ToolButtonClick(ed, kToolStretchVertical);
    DotClick(ed, host, DotIndex(6, 9));
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{3, 4}, {3, 5}, {3, 6}}));
    EXPECT_EQ(ed.tools.ActiveTool, kToolStretchVertical) << "the tool stays armed";
    ToolButtonClick(ed, kToolCompressHorizontal);
    DotClick(ed, host, DotIndex(0, 3));
    EXPECT_TRUE(test::LitInBytes(ed).empty());
    test::SetGlyph(ed, {{0, 5}});
    ed.win.nosavesimb = 0;
    ToolButtonClick(ed, kToolStretchHorizontal);
    DotClick(ed, host, DotIndex(5, 4));
    EXPECT_EQ(test::LitInBytes(ed), (DotSet{{0, 5}})) << "refused";
    EXPECT_EQ(ed.win.nosavesimb, 1) << "set by the click all the same";
}

}  // namespace
}  // namespace pixmora
