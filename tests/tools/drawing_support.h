// Helpers of the drawing-tool tests: dots as (column, row) sets read from the grid or the bytes.
#pragma once

#include <compare>
#include <ostream>
#include <set>

#include "model/editor.h"
#include "model/glyph_packing.h"
#include "support/test_font.h"
#include "tools/undo_history.h"

namespace pixmora::test {

struct Dot {
    int column;
    int row;
    auto operator<=>(const Dot&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Dot& dot) {
    return out << "(" << dot.column << "," << dot.row << ")";
}

using DotSet = std::set<Dot>;

inline int IndexOf(Dot dot) {
    return DotIndex(dot.row, dot.column);
}

// Every lit dot of the whole grid, so a dot drawn outside the cell shows up too.
inline DotSet LitOnGrid(const Editor& ed) {
    DotSet lit;
    for (int dot = 0; dot < kGridDots; ++dot) {
        if (ed.font.DotGrid[dot] == kLit) {
            lit.insert({DotColumn(dot), DotRow(dot)});
        }
    }
    return lit;
}

// The lit dots of the current character as its bytes hold them.
inline DotSet LitInBytes(Editor& ed) {
    const auto glyph = CharBytes(ed, ed.font.CurrentChar);
    DotSet lit;
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            if (GlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, row, column)) {
                lit.insert({column, row});
            }
        }
    }
    return lit;
}

// Makes `dots` the current character, shown on the grid, with a fresh history.
inline void SetGlyph(Editor& ed, const DotSet& dots) {
    const auto glyph = CharBytes(ed, ed.font.CurrentChar);
    std::fill(glyph.begin(), glyph.end(), std::uint8_t{0});
    for (const Dot& dot : dots) {
        SetGlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, dot.row, dot.column, true);
    }
    ShowGlyph(ed.font, ed.font.CurrentCharOffset, ed.params.BytesPerChar, ed.params.CellWidth,
              ed.params.FontByteScan);
    ResetUndoHistory(ed);
}

// Changes recorded since the history started (while fewer than five).
inline int RecordedSteps(const Editor& ed) {
    return kInitialPosition - ed.undo.UndoPosition;
}

}  // namespace pixmora::test
