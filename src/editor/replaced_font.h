// What the window shows once a font has replaced the open one as a whole (an import, an
// enlargement).
#pragma once

namespace pixmora {

struct Editor;

// Shows the editing commands, the output area and the font caption, unlocks the character table
// and makes character 0 current with a fresh history. An armed copy is disarmed: its source
// belonged to the font that was replaced. The cell looks and the grid background are the
// caller's, set before.
void ShowReplacingFont(Editor& ed);

}  // namespace pixmora
