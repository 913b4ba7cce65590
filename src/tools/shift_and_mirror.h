// Shift moves the whole glyph of the current character by one dot; mirror flips it left to right.
// Neither records an undo step: "откат" takes them back together with the click toggles since
// the last recorded state.
#pragma once

namespace pixmora {

struct Editor;

enum class Direction { Up, Down, Left, Right };

// Refused without a trace while the edge the glyph moves towards holds a lit dot; nothing wraps
// around. A placed circle centre moves with the glyph, and is dropped when it would leave the cell.
void ShiftGlyph(Editor& ed, Direction direction);

void MirrorGlyph(Editor& ed);

}  // namespace pixmora
