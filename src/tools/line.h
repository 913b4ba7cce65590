// The line tool draws a straight segment between two clicked dots; the polyline tool a chain of
// segments, each starting where the last one ended. Both only light dots, and every finished
// segment is written into the font as one undo step.
#pragma once

namespace pixmora {

struct Editor;

// clicks = 1 places the first point; clicks = 2 draws the line and sets clicks back to 0, or to 1
// when the first point itself was clicked again.
void DrawLine(Editor& ed, int& clicks, int dot);

// clicks = 1 places the first point; clicks = 2 draws a segment from the last end point, which
// the clicked dot then becomes.
void DrawPolylineSegment(Editor& ed, int clicks, int dot);

}  // namespace pixmora
