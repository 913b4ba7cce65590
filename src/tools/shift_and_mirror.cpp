#include "tools/shift_and_mirror.h"

#include "editor/editor.h"
#include "tools/dot_moves.h"
#include "tools/glyph_edit.h"

namespace pixmora {

namespace {

struct Shift {
    Axis axis;
    bool towardsStart;  // up or left
    int rowStep;
    int columnStep;
};

constexpr Shift ShiftOf(Direction direction) {
    switch (direction) {
        case Direction::Up:
            return {Axis::Rows, true, -1, 0};
        case Direction::Down:
            return {Axis::Rows, false, 1, 0};
        case Direction::Left:
            return {Axis::Columns, true, 0, -1};
        default:
            return {Axis::Columns, false, 0, 1};
    }
}

void ApplyUnrecorded(Editor& ed, const DotMatrix& dots) {
    StoreCurrentDots(ed, dots);
    MarkCharEdited(ed);
    ed.win.nosavesimb = 1;
    ShowCurrentChar(ed.font, ed.params);
}

// Runs after the repaint, which has already shown the old centre dot as it really is.
void MoveCircleCentre(Editor& ed, const Shift& shift) {
    ToolState& tools = ed.tools;
    if (!CircleCentrePlaced(tools)) {
        return;
    }
    const int row = DotRow(tools.AnchorDot) + shift.rowStep;
    const int column = DotColumn(tools.AnchorDot) + shift.columnStep;
    if (!InCellArea(ed, row, column)) {
        tools.ToolClicks = 0;  // the next click places a new centre
        return;
    }
    tools.AnchorDot = DotIndex(row, column);
    tools.CentreSavedColour = ed.font.DotColour[tools.AnchorDot];
    ed.font.DotColour[tools.AnchorDot] = kCyan;
}

}  // namespace

void ShiftGlyph(Editor& ed, Direction direction) {
    const Shift shift = ShiftOf(direction);
    const CellLines lines = LinesAlong(ed.params, shift.axis);
    const int last = lines.count - 1;
    DotMatrix dots = CurrentDots(ed);
    if (LineLit(dots, lines, shift.towardsStart ? 0 : last)) {
        return;
    }
    if (shift.towardsStart) {
        MoveTowardsStart(dots, lines, last);
        ClearLine(dots, lines, last);
    } else {
        MoveTowardsEnd(dots, lines, last);
    }
    ApplyUnrecorded(ed, dots);
    MoveCircleCentre(ed, shift);
}

void MirrorGlyph(Editor& ed) {
    const DotMatrix old = CurrentDots(ed);
    const int width = ed.params.CellWidth;
    DotMatrix dots{};
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < width; ++column) {
            dots[DotIndex(row, column)] = old[DotIndex(row, width - 1 - column)];
        }
    }
    ApplyUnrecorded(ed, dots);
    KeepCentreColourAfterRepaint(ed);
}

}  // namespace pixmora
