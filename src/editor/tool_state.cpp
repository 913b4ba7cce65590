#include "editor/tool_state.h"

#include <array>
#include <span>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr std::array<ToolInfo, kToolCount> kTools{{
    {Ctl::StretchHorizontal, "увеличить по горизонтали", "Big_x.bmp", "Big_xr.bmp"},
    {Ctl::CompressHorizontal, "сжать по горизонтали", "Low_x.bmp", "Low_xr.bmp"},
    {Ctl::StretchVertical, "увеличить по вертикали", "Big_y.bmp", "Big_yr.bmp"},
    {Ctl::CompressVertical, "сжать по вертикали", "Low_y.bmp", "Low_yr.bmp"},
    {Ctl::Line, "линия", "Line.bmp", "Line_r.bmp"},
    {Ctl::Fill, "заливка", "Fill.bmp", "Fill_r.bmp"},
    {Ctl::Polyline, "ломаная линия", "Line2.bmp", "Line2_r.bmp"},
    {Ctl::Circle, "окружность", "Crk.bmp", "Crk_r.bmp"},
}};

// The fill button asks for its released picture as "fill.bmp" when the fill itself is released
// (by its own button or by DeselectTool), and as "Fill.bmp" everywhere else.
constexpr const char* kFillReleasedOnRelease = "fill.bmp";

std::string& Picture(Editor& ed, int tool) {
    return ed.tools.ButtonPicture[tool - 1];
}

void ShowReleased(Editor& ed, int tool, bool releasedItself) {
    Picture(ed, tool) = (tool == kToolFill && releasedItself) ? kFillReleasedOnRelease
                                                              : ToolTable(tool).releasedPicture;
}

void RestoreCentreColour(Editor& ed) {
    ed.font.DotColour[ed.tools.AnchorDot] = ed.tools.CentreSavedColour;
}

// Takes back the first point of an unfinished line: the dot returns to what the character's
// bytes say, so a dot that was lit before the line was started is not lost.
void RemovePendingPoint(Editor& ed) {
    const int dot = ed.tools.AnchorDot;
    const std::span<const std::uint8_t> glyph(ed.font.FontImage.data() + ed.font.CurrentCharOffset,
                                              static_cast<std::size_t>(ed.params.BytesPerChar));
    const bool litInBytes =
        GlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, DotRow(dot), DotColumn(dot));
    SetGridDot(ed.font, dot, litInBytes);
}

}  // namespace

const ToolInfo& ToolTable(int tool) {
    return kTools.at(static_cast<std::size_t>(tool - 1));
}

void ToolButtonClick(Editor& ed, int tool) {
    ToolState& tools = ed.tools;
    if (tools.ActiveTool == tool) {
        if (CircleCentrePlaced(ed.tools)) {
            RestoreCentreColour(ed);
        }
        tools.ActiveTool = kNoTool;
        ShowReleased(ed, tool, true);
        return;
    }
    if (CircleCentrePlaced(ed.tools)) {
        RestoreCentreColour(ed);
    }
    if ((tools.ActiveTool == kToolLine || tools.ActiveTool == kToolPolyline) &&
        tools.ToolClicks == 1) {
        RemovePendingPoint(ed);
    }
    tools.ActiveTool = tool;
    if (tool == kToolLine || tool == kToolPolyline || tool == kToolCircle) {
        tools.ToolClicks = 0;
    }
    for (int other = 1; other <= kToolCount; ++other) {
        if (other == tool) {
            Picture(ed, other) = ToolTable(other).armedPicture;
        } else {
            ShowReleased(ed, other, false);
        }
    }
}

bool CircleCentrePlaced(const ToolState& tools) {
    return tools.ActiveTool == kToolCircle && tools.ToolClicks >= 1;
}

void DropCircleCentre(Editor& ed) {
    if (CircleCentrePlaced(ed.tools)) {
        RestoreCentreColour(ed);
        ed.tools.ToolClicks = 0;
    }
}

void KeepCentreColourAfterRepaint(Editor& ed) {
    if (CircleCentrePlaced(ed.tools)) {
        ed.tools.CentreSavedColour = ed.font.DotColour[ed.tools.AnchorDot];
    }
}

void DeselectTool(Editor& ed) {
    // A command between the press and the release ends a drag as well.
    ed.tools.DragOpen = false;
    if (CircleCentrePlaced(ed.tools)) {
        RestoreCentreColour(ed);
    }
    ed.tools.ActiveTool = kNoTool;
    ed.tools.ToolClicks = 0;
    for (int tool = 1; tool <= kToolCount; ++tool) {
        ShowReleased(ed, tool, true);
    }
}

}  // namespace pixmora
