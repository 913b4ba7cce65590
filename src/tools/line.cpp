#include "tools/line.h"

#include <cmath>

#include "editor/editor.h"
#include "tools/glyph_edit.h"

namespace pixmora {

namespace {

// Lights the dots of the segment between two different dots of the grid, both end points included.
//
// Steep segments (|dy| >= |dx|, diagonals included) step one row at a time and carry the dot
// index as a running single-precision position; shallow segments step one column at a time and
// round the row offset of each step afresh. Rounding is to the nearest, ties to even; since 48 is
// even, rounding the index rounds its column the same way.
void RasteriseSegment(Editor& ed, int from, int to) {
    // Normally lit by the first click already; a shift since then may have repainted the grid.
    LightDot(ed, from);
    const float dx = static_cast<float>(DotColumn(to) - DotColumn(from));
    const float dy = static_cast<float>(DotRow(to) - DotRow(from));
    if (std::fabs(dy) >= std::fabs(dx)) {
        const float stepX = dx / std::fabs(dy);
        const double stepIndex = dy > 0 ? kGridColumns : -kGridColumns;
        const int steps = static_cast<int>(std::fabs(dy));
        float position = static_cast<float>(from);
        for (int i = 1; i <= steps; ++i) {
            // A double holds the sum of these three terms exactly, so the position is rounded to
            // single precision once per step, not once per term.
            position = static_cast<float>(static_cast<double>(position) +
                                          static_cast<double>(stepX) + stepIndex);
            LightDot(ed, static_cast<int>(std::nearbyint(position)));
        }
    } else {
        const float stepY = dy / std::fabs(dx);
        const int stepColumn = dx > 0 ? 1 : -1;
        const int steps = static_cast<int>(std::fabs(dx));
        for (int i = 1; i <= steps; ++i) {
            const float rowOffset = static_cast<float>(i) * stepY;
            const int row = static_cast<int>(std::nearbyint(rowOffset));
            LightDot(ed, from + stepColumn * i + kGridColumns * row);
        }
    }
}

// The first point is only shown: the bytes change when the segment is finished.
void PlaceFirstPoint(Editor& ed, int dot) {
    ed.tools.AnchorDot = dot;
    LightDot(ed, dot);
}

}  // namespace

void DrawLine(Editor& ed, int& clicks, int dot) {
    if (clicks == 1) {
        PlaceFirstPoint(ed, dot);
        return;
    }
    if (dot == ed.tools.AnchorDot) {
        clicks = 1;  // still waiting for the second point
        return;
    }
    RasteriseSegment(ed, ed.tools.AnchorDot, dot);
    CommitDrawing(ed);
    clicks = 0;
}

void DrawPolylineSegment(Editor& ed, int clicks, int dot) {
    if (clicks == 1) {
        PlaceFirstPoint(ed, dot);
        return;
    }
    if (dot == ed.tools.AnchorDot) {
        return;
    }
    RasteriseSegment(ed, ed.tools.AnchorDot, dot);
    ed.tools.AnchorDot = dot;
    CommitDrawing(ed);
}

}  // namespace pixmora
