// The circle tool: the first click marks the centre, every later click draws a circle around it
// through the clicked dot, so a series of clicks draws concentric circles.
#pragma once

namespace pixmora {

struct Editor;

// Distance between two dots of the grid rounded to whole dots: the radius "R=" shows.
int CircleRadiusTo(int centre, int dot);

// clicks = 1 marks the centre cyan (the dot itself does not change); clicks = 2 draws a circle of
// the radius of the clicked dot, clipped to the cell area, as one undo step.
void DrawCircle(Editor& ed, int clicks, int dot);

}  // namespace pixmora
