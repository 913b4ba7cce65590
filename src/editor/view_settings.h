// How the window shows the font, apart from what the font is: the dot size of the grid and the
// looks of the table. Nothing of it is kept between runs.
#pragma once

namespace pixmora {

// The grid's dot size: fitted to the room the window gives it, or a size the user zoomed to.
struct GridZoom {
    bool fit = true;
    int dotSize = 0;  // pixels a side while not fitted
};

inline constexpr int kMinDotSize = 4;
inline constexpr int kMaxDotSize = 48;

struct ViewSettings {
    GridZoom zoom;
    bool tableGlyphs = false;  // drawn characters show their dots in the table instead of a letter
};

// The dot size for a cell of cellWidth x cellHeight dots in a room of roomWidth x roomHeight
// pixels (one pixel of each dot is the line between dots).
int GridDotSize(const GridZoom& zoom, int cellWidth, int cellHeight, int roomWidth, int roomHeight);

// One step larger or smaller than the size now shown; the grid stops fitting the window.
void ZoomIn(GridZoom& zoom, int shownSize);
void ZoomOut(GridZoom& zoom, int shownSize);
void FitToWindow(GridZoom& zoom);

}  // namespace pixmora
