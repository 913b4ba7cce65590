// The reference glyphs that recognition compares imported data with, as a model file holds them.
//
// A model file has 64 glyphs of one cell format in four rows of 16; every row is one reference
// font's drawing of the 16 test characters, always in "вертикально 1" and positive:
//
//   position   0     1  2  3  4  5  6  7  8  9  10 11 12 13 14 15
//   character  blank %  &  /  0  1  2  3  A  B  C  D  А  Б  В  Г
//
// Every glyph sits in the bottom-left corner of its cell: its left column and its bottom row each
// hold a lit dot (a blank glyph stays blank). In a 6 x 8 cell the A stored as 00 00 7E 09 09 7E
// moves two columns left and one row down and becomes FC 12 12 FC 00 00:
//
//   . . . # # .        . . . . . .
//   . . # . . #        . # # . . .
//   . . # . . #        # . . # . .
//   . . # # # #   ->   # . . # . .
//   . . # . . #        # # # # . .
//   . . # . . #        # . . # . .
//   . . # . . #        # . . # . .
//   . . . . . .        # . . # . .
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/glyph_packing.h"

namespace pixmora {

inline constexpr int kModelRows = 4;
inline constexpr int kModelRowLength = 16;
inline constexpr int kModelGlyphs = kModelRows * kModelRowLength;  // 64

// Character index (code - 32) of each position in a row.
inline constexpr std::array<int, kModelRowLength> kModelRowChars{
    0, 5, 6, 15, 16, 17, 18, 19, 33, 34, 35, 36, 160, 161, 162, 163};

// Moves the dots to the bottom-left corner of the width x height cell; a blank matrix stays blank.
void AlignBottomLeft(DotMatrix& dots, int width, int height);

// Aligns one stored glyph ("вертикально 1" bytes) in place.
void AlignModelGlyph(std::span<std::uint8_t> glyph, int width, int height);

// The bytes of glyph `index` in a run of glyphs of bytesPerChar bytes each; bytes beyond the span
// read as 0.
std::array<std::uint8_t, kMaxBytesPerChar> GlyphAt(std::span<const std::uint8_t> bytes, int index,
                                                   int bytesPerChar);

// The dots of model glyph `slot` of a model file's bytes, as stored.
DotMatrix UnpackModelGlyph(std::span<const std::uint8_t> model, int slot, int width,
                           int bytesPerChar);

}  // namespace pixmora
