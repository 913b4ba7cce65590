// Helpers of the drawing-tool tests: dots as (column, row) sets read from the grid or the bytes.
#pragma once

#include <compare>
#include <functional>
#include <ostream>
#include <random>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/undo_history.h"
#include "model/glyph_packing.h"
#include "support/test_font.h"

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

// Runs `body` for every format and every byte scan it offers, with the pair in the trace.
inline void ForEveryFormatAndScan(const std::function<void(int format, int scan)>& body) {
    for (int format = 0; format < static_cast<int>(kCellFormats.size()); ++format) {
        for (int scan = 0; scan < kScanCount; ++scan) {
            if (ScanOffered(kCellFormats[format].width, scan)) {
                SCOPED_TRACE(testing::Message() << kCellFormats[format].name << " scan " << scan);
                body(format, scan);
            }
        }
    }
}

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

// A glyph as a plain picture, picture[row][column], for checking reshapes against their
// definition dot by dot.
using Picture = std::vector<std::vector<bool>>;

inline Picture EmptyPicture(const Editor& ed) {
    return Picture(static_cast<std::size_t>(ed.params.CellHeight),
                   std::vector<bool>(static_cast<std::size_t>(ed.params.CellWidth)));
}

// The current character as its bytes hold it.
inline Picture ReadPicture(Editor& ed) {
    const auto glyph = CharBytes(ed, ed.font.CurrentChar);
    Picture picture = EmptyPicture(ed);
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            picture[row][column] =
                GlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, row, column);
        }
    }
    return picture;
}

// The cell area as the grid shows it.
inline Picture GridPicture(const Editor& ed) {
    Picture picture = EmptyPicture(ed);
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            picture[row][column] = ed.font.DotGrid[DotIndex(row, column)] == kLit;
        }
    }
    return picture;
}

// Fills the current character with random bytes, optionally darkens its top row and left
// column, and shows it with a fresh history.
inline Picture ShowRandomGlyph(Editor& ed, std::mt19937& random, bool darkLeadingEdges) {
    const auto glyph = CharBytes(ed, ed.font.CurrentChar);
    const auto bytes = RandomBytes(random, ed.params.BytesPerChar);
    std::copy(bytes.begin(), bytes.end(), glyph.begin());
    if (darkLeadingEdges) {
        const int scan = ed.params.FontByteScan;
        const int width = ed.params.CellWidth;
        for (int row = 0; row < ed.params.CellHeight; ++row) {
            SetGlyphDot(glyph, scan, width, row, 0, false);
        }
        for (int column = 0; column < width; ++column) {
            SetGlyphDot(glyph, scan, width, 0, column, false);
        }
    }
    ShowGlyph(ed.font, ed.font.CurrentCharOffset, ed.params.BytesPerChar, ed.params.CellWidth,
              ed.params.FontByteScan);
    ResetUndoHistory(ed);
    return ReadPicture(ed);
}

// Makes `picture` the current character, shown on the grid, with a fresh history.
inline void ShowPicture(Editor& ed, const Picture& picture) {
    const auto glyph = CharBytes(ed, ed.font.CurrentChar);
    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            SetGlyphDot(glyph, ed.params.FontByteScan, ed.params.CellWidth, row, column,
                        picture[row][column]);
        }
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
