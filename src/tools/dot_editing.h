// The mouse on the dot grid: a click toggles a dot or hands over to the armed tool, Shift and Ctrl
// strokes paint and erase, the status labels follow the pointer, and the stretch and compress tools
// highlight the row or column under it. Every changed dot is packed into the font at once.
#pragma once

namespace pixmora {

struct Editor;
class Host;

// Modifier keys held during a mouse movement, combined with |.
enum Modifier : unsigned {
    kNoModifier = 0,
    kShift = 1U << 0,
    kCtrl = 1U << 1,
    kAlt = 1U << 2,
};

// The left button clicked a dot of the cell area.
void DotClick(Editor& ed, Host& host, int dot);
// The pointer moved over a dot of the cell area with these keys held (no button is needed).
void DotMouseMove(Editor& ed, int dot, unsigned modifiers);
// The left button, pressed on a dot, is held while the pointer reaches this dot. After a toggle
// every dot passed takes the value the toggled dot got; with a tool armed it is a plain move.
void DotDrag(Editor& ed, int dot);
// The left button went up: a drag that painted is one undo step.
void DotDragEnd(Editor& ed);
// The right button went down on a dot: takes back a placed circle centre.
void DotRightButton(Editor& ed, int dot);
// The pointer moved over the window outside the dots: the status labels go.
void BackgroundMouseMove(Editor& ed);

// A dot takes or loses the input focus: the highlight of the stretch and compress tools.
void DotFocus(Editor& ed, int dot);
void DotLostFocus(Editor& ed);

// "X=3  Y=7" for the dot, and "R=5" while a circle centre is placed.
void UpdateStatus(Editor& ed, int dot);

}  // namespace pixmora
