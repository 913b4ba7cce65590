#include "tools/flood_fill.h"

#include <array>
#include <vector>

#include "editor/editor.h"
#include "editor/host.h"
#include "tools/glyph_edit.h"

namespace pixmora {

namespace {

// Lights the region from a last-in-first-out stack. The neighbours are tested and pushed right,
// up, left, down, so the dot below is taken next and the fill runs down a column first; this order
// decides which dots are lit when a border dot stops the fill. Returns false when the region
// reached the border of the cell.
bool FillRegion(Editor& ed, int dot) {
    const int lastColumn = ed.params.CellWidth - 1;
    const int lastRow = ed.params.CellHeight - 1;
    const auto& grid = ed.font.DotGrid;
    std::vector<int> stack{dot};  // a dot is pushed only while dark: at most 4 times
    stack.reserve(4 * kGridDots);
    while (!stack.empty()) {
        const int current = stack.back();
        stack.pop_back();
        if (grid[current] != kLit) {  // a dot pushed twice is lit already
            LightDot(ed, current);
        }
        const int row = DotRow(current);
        const int column = DotColumn(current);
        struct Neighbour {
            bool beyondBorder;
            int offset;
        };
        const std::array<Neighbour, 4> neighbours{{{column == lastColumn, 1},
                                                   {row == 0, -kGridColumns},
                                                   {column == 0, -1},
                                                   {row == lastRow, kGridColumns}}};
        for (const Neighbour& next : neighbours) {
            if (next.beyondBorder) {
                return false;
            }
            if (grid[current + next.offset] != kLit) {
                stack.push_back(current + next.offset);
            }
        }
    }
    return true;
}

}  // namespace

void FloodFill(Editor& ed, Host& host, int dot) {
    if (ed.font.DotGrid[dot] == kLit) {
        return;
    }
    if (!FillRegion(ed, dot)) {
        // Either answer leaves the dots lit so far, and "откат" takes them back.
        host.Message(kFillBorderError, kFillBorderTitle, MsgIcon::Exclamation, MsgButtons::YesNo);
        DeselectTool(ed);
    }
    CommitDrawing(ed);
}

}  // namespace pixmora
