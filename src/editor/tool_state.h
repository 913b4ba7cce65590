// The drawing tools of the editor, armed and released by their picture buttons.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/window_state.h"
#include "model/colours.h"

namespace pixmora {

struct Editor;

// Tool codes; 0 is "no tool".
inline constexpr int kNoTool = 0;
inline constexpr int kToolStretchHorizontal = 1;
inline constexpr int kToolCompressHorizontal = 2;
inline constexpr int kToolStretchVertical = 3;
inline constexpr int kToolCompressVertical = 4;
inline constexpr int kToolLine = 5;
inline constexpr int kToolFill = 6;
inline constexpr int kToolPolyline = 7;
inline constexpr int kToolCircle = 8;
inline constexpr int kToolCount = 8;

// Dots highlighted by the stretch and compress tools: a row (step 1) or a column (step 48).
struct DotRange {
    int first = 0;
    int last = -1;
    int step = 1;
    bool empty() const { return last < first; }
};

struct ToolState {
    int ActiveTool = kNoTool;
    int ToolClicks = 0;  // 0 no point, 1 first point or centre placed, 2 drawing
    int AnchorDot = 0;   // first point of a line, start of a polyline segment, circle centre
    std::int16_t CircleRadius = 0;
    Colour CentreSavedColour = kWhite;
    DotRange HighlightRange;
    bool StrokeOpen = false;
    // A left-button drag from a toggled dot: it paints with the value that dot got, from the dot
    // last reached, and is one undo step once it has reached another dot.
    bool DragOpen = false;
    bool DragLit = false;
    int DragDot = 0;
    bool DragMoved = false;
    // The picture file each tool button shows, indexed by tool code - 1.
    std::array<std::string, kToolCount> ButtonPicture;
};

struct ToolInfo {
    Ctl button;
    const char* hint;
    const char* releasedPicture;
    const char* armedPicture;
};

// Buttons, hints and pictures of tools 1..8.
const ToolInfo& ToolTable(int tool);

// A tool button was clicked: arms that tool, or releases it when it is the armed one.
void ToolButtonClick(Editor& ed, int tool);

// Releases whatever tool is armed and drops a placed circle centre.
void DeselectTool(Editor& ed);

// The circle tool is armed and its centre is marked on the grid.
bool CircleCentrePlaced(const ToolState& tools);

// The right mouse button: a placed circle centre gets back its own colour and the next click
// places a new one; the tool stays armed.
void DropCircleCentre(Editor& ed);

// The grid was repainted from the bytes, which unmarks a placed centre: its saved colour follows
// the repaint so that dropping the centre later shows the dot as it now is.
void KeepCentreColourAfterRepaint(Editor& ed);

}  // namespace pixmora
