// Which byte and bit of a character hold the dot in row r, column c, for each byte scan, and the
// operations that move a character between FontImage and DotGrid.
//
// An 8 x 8 "L" (column 0 of rows 0..6, row 6 of columns 0..5) packs as:
//
//   . . . . . . . .     "вертикально 1"    7F 40 40 40 40 40 00 00   byte = column, bit 0 on top
//   #                   "вертикально 2"    FE 02 02 02 02 02 00 00   byte = column, bit 7 on top
//   #                   "горизонтально 1"  80 80 80 80 80 80 FC 00   byte = row, bit 7 on the left
//   #                   "горизонтально 2"  01 01 01 01 01 01 3F 00   byte = row, bit 0 on the left
//   # (rows 0..5 all hold one dot in column 0; row 6 is # # # # # #; row 7 is empty)
//
// The same L in a 5 x 8 cell (rows 0..6 of column 0, row 6 of columns 0..3), vertical scans only:
//
//   "вертикально 1"  7F 40 40 40 00        "вертикально 2"  FE 02 02 02 00
//
// and in an 8 x 16 cell (rows 0..14 of column 0, row 14 of columns 0..6), two bands of 8 rows:
//
//   "вертикально 1"    FF 00 00 00 00 00 00 00  7F 40 40 40 40 40 40 00
//   "вертикально 2"    FF 00 00 00 00 00 00 00  FE 02 02 02 02 02 02 00
//   "горизонтально 1"  80 (14 times) FE 00     "горизонтально 2"  01 (14 times) 7F 00
//
// Vertical scans lay the bytes out in bands of 8 rows, columns left to right inside a band;
// horizontal scans row by row, groups of 8 columns left to right inside a row.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/font_model.h"

namespace pixmora {

struct BitPlace {
    int byte;  // number of the byte inside the character
    int bit;   // 0 = least significant
};

constexpr BitPlace DotBitPlace(int scan, int width, int row, int column) {
    switch (scan) {
        case kScanVertical1:
            return {(row / 8) * width + column, row % 8};
        case kScanVertical2:
            return {(row / 8) * width + column, 7 - row % 8};
        case kScanHorizontal1:
            return {row * (width / 8) + column / 8, 7 - column % 8};
        default:
            return {row * (width / 8) + column / 8, column % 8};
    }
}

bool GlyphDot(std::span<const std::uint8_t> glyph, int scan, int width, int row, int column);
void SetGlyphDot(std::span<std::uint8_t> glyph, int scan, int width, int row, int column, bool lit);

// A cell's dots, 1 lit and 0 dark, indexed like DotGrid (row * 48 + column).
using DotMatrix = std::array<std::uint8_t, kGridDots>;

DotMatrix UnpackGlyph(std::span<const std::uint8_t> glyph, int scan, int width, int height);
// Rewrites every byte of the glyph from the matrix.
void PackMatrix(const DotMatrix& dots, std::span<std::uint8_t> glyph, int scan, int width,
                int height);

// The bytes of character `index` in an image of characters of bytesPerChar bytes each.
std::span<const std::uint8_t> CharGlyph(std::span<const std::uint8_t> image, int index,
                                        int bytesPerChar);
bool GlyphHasDots(std::span<const std::uint8_t> glyph);

// Sets a grid dot lit or dark together with the colour it shows: the ink over its background
// when lit, the background when dark.
void SetGridDot(FontModel& font, int dot, bool lit);
// Unpacks the character at start onto the grid and paints every dot of its cell.
void ShowGlyph(FontModel& font, int start, int count, int width, int scan);
// ShowGlyph of the current character.
void ShowCurrentChar(FontModel& font, const FontParams& params);
// Writes the one dot just changed on the grid into the current character's bytes.
void PackDot(FontModel& font, const FontParams& params, int dotIndex);
// Rewrites every byte of the character at start from the grid.
void PackGlyph(FontModel& font, int start, int width, int height, int scan);

}  // namespace pixmora
