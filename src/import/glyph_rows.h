// A glyph as one bit mask per dot row (bit c = column c), unpacked straight from its bytes in any
// byte scan, so recognition compares two glyphs a row at a time with popcount and never builds a
// dot matrix. The rows give exactly the dots that UnpackGlyph gives, and aligning them exactly what
// AlignBottomLeft does: an 8 x 8 "L" in "вертикально 1" (7F 40 40 40 40 40 00 00) has the rows
//
//   row 0..5   0b00000001          after moving to the bottom-left corner, rows 1..6 hold 0b1
//   row 6      0b00111111          and row 7 holds 0b111111; row 0 is empty
//   row 7      0
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace pixmora {

struct GlyphRows {
    std::array<std::uint64_t, kGridRows> rows{};
    int lit = 0;  // lit dots of the whole cell
};

// The dots of the glyph's bytes (bytes missing at the end of the span read as 0), inverted for a
// negative reading, not moved.
GlyphRows RowsOfGlyph(std::span<const std::uint8_t> glyph, int scan, int width, int height,
                      bool negative);

// Every dot of the cell flipped: the same glyph read with the other polarity.
GlyphRows InvertedRows(const GlyphRows& glyph, int width, int height);

// Moves the dots to the bottom-left corner; a blank glyph stays blank.
void AlignRows(GlyphRows& glyph, int height);

// The match of two aligned glyphs: 1 for two blanks, 0 when more dots differ than agree or one is
// blank and the other is not (a blank model tolerates up to three stray dots), else
// (equal dots - differing dots) / dots of the cell.
float MatchRows(const GlyphRows& data, const GlyphRows& model, int width, int height);

// The most MatchRows can give for two glyphs of these lit dots, wherever the dots lie: at least
// the difference of the counts differs.
float MatchBound(int dataLit, int modelLit, int width, int height);

}  // namespace pixmora
