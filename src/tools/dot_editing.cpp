#include "tools/dot_editing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "editor/editor.h"
#include "editor/host.h"
#include "model/glyph_packing.h"
#include "tools/circle.h"
#include "tools/flood_fill.h"
#include "tools/line.h"
#include "tools/stretch.h"

namespace pixmora {

namespace {

bool IsStretchOrCompress(int tool) {
    return tool >= kToolStretchHorizontal && tool <= kToolCompressVertical;
}

// Line, polyline and circle count the clicks that place their points.
bool CountsClicks(int tool) {
    return tool == kToolLine || tool == kToolPolyline || tool == kToolCircle;
}

void SetDot(Editor& ed, int dot, bool lit) {
    SetGridDot(ed.font, dot, lit);
    PackDot(ed.font, ed.params, dot);
}

// A stroke marks the character drawn but, unlike a click, leaves the text of its cell as it is.
void MarkDrawnKeepingText(Editor& ed) {
    const int index = ed.font.CurrentChar;
    const int text = ed.table.cells[index].textCode;
    SetDefinedLook(ed, index);
    ed.table.cells[index].textCode = text;
}

void ToggleDot(Editor& ed, int dot) {
    SetDefinedLook(ed, ed.font.CurrentChar);
    ed.win.nosave = 1;
    ed.win.nosavesimb = 1;
    const bool lit = ed.font.DotGrid[dot] != kLit;
    SetDot(ed, dot, lit);
    ed.tools.DragOpen = true;
    ed.tools.DragLit = lit;
    ed.tools.DragDot = dot;
    ed.tools.DragMoved = false;
}

// Gives a dot the value of a stroke or drag; true when it changed.
bool PaintDot(Editor& ed, int dot, bool lit) {
    if ((ed.font.DotGrid[dot] == kLit) == lit) {
        return false;
    }
    ed.win.nosavesimb = 1;
    SetDot(ed, dot, lit);
    MarkDrawnKeepingText(ed);
    ed.win.nosave = 1;
    return true;
}

// Paints the dots from the last one reached to this one, so that a fast pointer leaves no gaps.
void PaintDragTo(Editor& ed, int dot) {
    const int from = ed.tools.DragDot;
    const int dx = DotColumn(dot) - DotColumn(from);
    const int dy = DotRow(dot) - DotRow(from);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int step = 1; step <= steps; ++step) {
        const float t = static_cast<float>(step) / static_cast<float>(steps);
        const int column =
            DotColumn(from) + static_cast<int>(std::nearbyint(t * static_cast<float>(dx)));
        const int row = DotRow(from) + static_cast<int>(std::nearbyint(t * static_cast<float>(dy)));
        const int passed = DotIndex(row, column);
        if (ed.font.DotVisible[passed]) {
            PaintDot(ed, passed, ed.tools.DragLit);
        }
    }
    ed.tools.DragDot = dot;
}

// Exactly Shift paints, exactly Ctrl erases; any other combination does nothing.
void StrokeOver(Editor& ed, int dot, unsigned modifiers) {
    if (modifiers != kShift && modifiers != kCtrl) {
        return;
    }
    ed.tools.StrokeOpen = true;
    PaintDot(ed, dot, modifiers == kShift);
}

void FocusOn(Editor& ed, int dot) {
    if (ed.win.focusedDot == dot) {
        return;
    }
    if (ed.win.focusedDot >= 0) {
        DotLostFocus(ed);
    }
    ed.win.focusedDot = dot;
    DotFocus(ed, dot);
}

void RecolourHighlight(Editor& ed, Colour from, Colour to) {
    const DotRange& range = ed.tools.HighlightRange;
    if (range.empty()) {
        return;
    }
    for (int dot = range.first; dot <= range.last; dot += range.step) {
        if (ed.font.DotColour[dot] == from) {
            ed.font.DotColour[dot] = to;
        }
    }
}

}  // namespace

void DotClick(Editor& ed, Host& host, int dot) {
    if (!ed.font.DotVisible[dot]) {
        return;
    }
    const int tool = ed.tools.ActiveTool;
    ed.tools.DragOpen = false;
    if (CountsClicks(tool)) {
        ed.tools.ToolClicks = std::min(ed.tools.ToolClicks + 1, 2);
    }
    switch (tool) {
        case kNoTool:
            ToggleDot(ed, dot);
            break;
        case kToolStretchHorizontal:
            StretchHorizontal(ed, DotColumn(dot));
            break;
        case kToolCompressHorizontal:
            CompressHorizontal(ed, DotColumn(dot));
            break;
        case kToolStretchVertical:
            StretchVertical(ed, DotRow(dot));
            break;
        case kToolCompressVertical:
            CompressVertical(ed, DotRow(dot));
            break;
        case kToolLine:
            DrawLine(ed, ed.tools.ToolClicks, dot);
            break;
        case kToolFill:
            FloodFill(ed, host, dot);
            break;
        case kToolPolyline:
            DrawPolylineSegment(ed, ed.tools.ToolClicks, dot);
            break;
        case kToolCircle:
            DrawCircle(ed, ed.tools.ToolClicks, dot);
            break;
    }
    if (tool != kNoTool) {
        ed.win.nosavesimb = 1;
    }
}

void DotMouseMove(Editor& ed, int dot, unsigned modifiers) {
    if (!ed.font.DotVisible[dot]) {
        return;
    }
    SetVisible(ed.win, Ctl::Coordinates, true);
    UpdateStatus(ed, dot);
    if (modifiers == kNoModifier && ed.tools.StrokeOpen) {
        // A whole stroke is one undo step, recorded when the keys are let go.
        ed.tools.StrokeOpen = false;
        RecordUndoStep(ed);
    }
    if (ed.tools.ActiveTool != kNoTool) {
        FocusOn(ed, dot);
        return;
    }
    StrokeOver(ed, dot, modifiers);
}

void DotDrag(Editor& ed, int dot) {
    if (!ed.font.DotVisible[dot]) {
        return;
    }
    if (!ed.tools.DragOpen) {
        DotMouseMove(ed, dot, kNoModifier);
        return;
    }
    SetVisible(ed.win, Ctl::Coordinates, true);
    UpdateStatus(ed, dot);
    if (dot != ed.tools.DragDot) {
        ed.tools.DragMoved = true;
        PaintDragTo(ed, dot);
    }
}

void DotDragEnd(Editor& ed) {
    const bool painted = ed.tools.DragOpen && ed.tools.DragMoved;
    ed.tools.DragOpen = false;
    ed.tools.DragMoved = false;
    if (painted) {
        RecordUndoStep(ed);
    }
}

void DotRightButton(Editor& ed, int dot) {
    if (!ed.font.DotVisible[dot]) {
        return;
    }
    DropCircleCentre(ed);
}

void BackgroundMouseMove(Editor& ed) {
    SetVisible(ed.win, Ctl::Coordinates, false);
    SetVisible(ed.win, Ctl::Radius, false);
}

void DotFocus(Editor& ed, int dot) {
    const int tool = ed.tools.ActiveTool;
    if (!IsStretchOrCompress(tool)) {
        return;
    }
    DotRange& range = ed.tools.HighlightRange;
    if (tool == kToolStretchVertical || tool == kToolCompressVertical) {
        range = {DotIndex(DotRow(dot), 0), DotIndex(DotRow(dot), ed.params.CellWidth - 1), 1};
    } else {
        range = {DotColumn(dot), DotIndex(ed.params.CellHeight - 1, DotColumn(dot)), kGridColumns};
    }
    SetVisible(ed.win, Ctl::Coordinates, true);
    RecolourHighlight(ed, kBlue, kCyan);
    RecolourHighlight(ed, kRed, kMagenta);
}

void DotLostFocus(Editor& ed) {
    if (!IsStretchOrCompress(ed.tools.ActiveTool)) {
        return;
    }
    RecolourHighlight(ed, kCyan, kBlue);
    RecolourHighlight(ed, kMagenta, kRed);
}

void UpdateStatus(Editor& ed, int dot) {
    const int x = DotColumn(dot);
    const int y = DotRow(dot);
    ed.win.coordinates = "X=" + std::to_string(x) + "  Y=" + std::to_string(y);
    const bool measuring = CircleCentrePlaced(ed.tools);
    if (measuring) {
        ed.tools.CircleRadius = static_cast<std::int16_t>(CircleRadiusTo(ed.tools.AnchorDot, dot));
        ed.win.radius = "R=" + std::to_string(ed.tools.CircleRadius);
    }
    SetVisible(ed.win, Ctl::Radius, measuring);
}

}  // namespace pixmora
