#include "tools/circle.h"

#include <array>
#include <cmath>

#include "editor/editor.h"
#include "tools/glyph_edit.h"

namespace pixmora {

int CircleRadiusTo(int centre, int dot) {
    const int dRow = DotRow(centre) - DotRow(dot);
    const int dColumn = DotColumn(centre) - DotColumn(dot);
    // The square root of an integer never ends in exactly .5, so no tie can occur.
    return static_cast<int>(std::nearbyint(std::sqrt(dRow * dRow + dColumn * dColumn)));
}

namespace {

struct Offset {
    int column;
    int row;
};

void MarkCentre(Editor& ed, int dot) {
    ed.tools.AnchorDot = dot;
    ed.tools.CentreSavedColour = ed.font.DotColour[dot];
    ed.font.DotColour[dot] = kCyan;
}

// Walks k = 0 .. 3R/4 and draws the eight points of each step in their fixed order. The steps
// run past R / sqrt(2), so the octants overlap: the circle is the union of all eight families.
void DrawCirclePoints(Editor& ed, int centre, int radius) {
    const int cx = DotColumn(centre);
    const int cy = DotRow(centre);
    const int lastStep = static_cast<int>(std::nearbyint(3.0 * radius / 4.0));
    for (int k = 0; k <= lastStep; ++k) {
        const int j = static_cast<int>(std::nearbyint(std::sqrt(radius * radius - k * k)));
        const std::array<Offset, 8> points{
            {{k, -j}, {-k, -j}, {-k, j}, {k, j}, {j, -k}, {-j, -k}, {-j, k}, {j, k}}};
        for (const Offset& point : points) {
            const int column = cx + point.column;
            const int row = cy + point.row;
            if (InCellArea(ed, row, column)) {
                LightDot(ed, DotIndex(row, column));
            }
        }
    }
}

}  // namespace

void DrawCircle(Editor& ed, int clicks, int dot) {
    ToolState& tools = ed.tools;
    if (clicks == 1) {
        MarkCentre(ed, dot);
        return;
    }
    // Measured at the clicked dot itself, so a click that no pointer move preceded cannot draw
    // with the radius of an earlier position.
    tools.CircleRadius = static_cast<std::int16_t>(CircleRadiusTo(tools.AnchorDot, dot));
    DrawCirclePoints(ed, tools.AnchorDot, tools.CircleRadius);
    if (tools.CircleRadius == 0) {
        // The circle lit the centre: dropping the centre later must leave it shown lit.
        tools.CentreSavedColour = ed.font.DotColour[tools.AnchorDot];
    }
    CommitDrawing(ed);
}

}  // namespace pixmora
