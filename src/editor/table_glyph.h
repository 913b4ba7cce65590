// The table's other look: a drawn character shows its own dots instead of its letter, so the
// whole font can be seen at a glance.
#pragma once

#include <vector>

namespace pixmora {

struct Editor;

struct TableGlyph {
    int width = 0;
    int height = 0;
    std::vector<bool> dots;  // row by row; empty when the cell shows its letter
};

// The picture cell `index` shows: the character's dots while the table shows glyphs and the
// character has a lit dot; nothing otherwise.
TableGlyph TableGlyphOf(const Editor& ed, int index);

}  // namespace pixmora
