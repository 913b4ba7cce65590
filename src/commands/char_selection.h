// Picking the character to edit in the character table, and copying one character onto another:
// a double-click arms the copy with its source, the next click on another cell copies.
#pragma once

#include "editor/window_state.h"

namespace pixmora {

struct Editor;

// A click on table cell `index`: makes it the current character and shows it on the grid, or, with
// a copy armed, copies the source onto it. Leaving a character whose bytes are all zero gives its
// cell the empty look.
void SelectChar(Editor& ed, int index);

// A double-click on table cell `index` (its click has already run): arms the copy with this
// character as the source.
void ArmCopy(Editor& ed, int index);

// A double-click on a range field (FirstCode or LastCode): it takes the code of the current
// character.
void TakeCurrentCode(Editor& ed, Ctl field);

}  // namespace pixmora
