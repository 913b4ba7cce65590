// A BDF font laid into the cells of a cell format: any BDF, of the ISO10646 registry (taken through
// Windows-1251) or of an 8-bit one (its codes taken as the codes 32..255). The glyphs of those
// codes share one box, the smallest that holds them all, and it becomes the top-left corner of the
// cell:
//
//   glyph "A"  BBX 5 7 0 0      box of all glyphs: 6 x 9 from x 0, y -2 (descenders)
//   glyph "g"  BBX 5 7 0 -2     cell 6 x 8 is too low; the smallest format holding it is 8 x 16
//
// A file this program wrote names its own cell format, scan and polarity in three properties:
//   PIXMORA_FORMAT "16 x 24"   PIXMORA_SCAN "h1"   PIXMORA_NEGATIVE 0
// and each glyph's BBX is then the whole cell, so the box is the cell exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fontfile/font_face.h"

namespace pixmora {

inline constexpr const char* kBdfTooLarge = "Знаки шрифта больше 48 x 56 точек";

// The format, scan and polarity a BDF file names in its PIXMORA_ properties.
struct BdfOwnParams {
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
};

struct BdfFont {
    int formatIndex = 0;              // the format the cells are of
    std::optional<BdfOwnParams> own;  // set when the file names its parameters
    int drawn = 0;                    // characters of codes 32..255 the font has
    std::vector<int> cut;             // codes of characters that lost dots outside the cell
    std::vector<DotPicture> cells;    // kCharCount cells of the format, index = code - 32
};

// Reads the bytes of a BDF file into the cells of the format given, else of the file's own
// format, else of the smallest format that holds the glyphs' box. Throws FontFileError with the
// reason when the file is damaged, its glyphs are larger than 48 x 56 or it has no character of
// the codes.
BdfFont ReadBdfFont(const FreeTypeLibrary& library, std::vector<std::uint8_t> bytes,
                    std::optional<int> formatIndex = std::nullopt);

}  // namespace pixmora
