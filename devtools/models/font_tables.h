// Whole fonts drawn into a cell format as a character generator holds them (characters 32..255 of
// Windows-1251), packed in a byte scan, cut down to the characters a table keeps, and enlarged as
// "Увеличить шрифт" does. The measurements and the row chooser draw their fonts here, so every
// font is drawn the same way.
#pragma once

#include <cstdint>
#include <vector>

#include "glyph_render.h"
#include "model/formats.h"
#include "model_builder.h"

namespace models {

inline constexpr int kFirstCode = 32;
inline constexpr int kCharCount = 224;

// A font drawn into its cells, and what did not fit.
struct DrawnFont {
    std::vector<DotMatrix> cells;  // kCharCount cells of the format's size
    int clippedTests = 0;          // test characters that lost dots outside the area
    bool cyrillic = false;
    float pixelSize = 0.0f;
};

// Lays the font out as a character generator holds it: all characters share a baseline, chosen
// so that descenders end on the drawing area's bottom row when the capitals leave room for them
// (otherwise the capitals reach the top row and descenders are cut); each character keeps its
// side bearing from the font's leftmost ink, moved left when it would pass the area's right edge.
// Dots outside the drawing area are cut.
DrawnFont DrawFont(const FreeTypeLibrary& library, const FontSource& source,
                   const CellFormat& cell);

// Which characters a table holds; the others stay blank. Firmware often keeps only the digits
// (clock and meter numerals), codes 32..63, or the ASCII part.
enum class TableKind { Whole, Digits, SignsAndDigits, Ascii };
const char* TableKindName(TableKind kind);
DrawnFont KeepOnly(const DrawnFont& drawn, TableKind kind);

// The cells packed in the scan, every byte complemented for a negative font.
std::vector<std::uint8_t> PackFont(const DrawnFont& drawn, const pixmora::CellFormat& format,
                                   int scan, bool negative);

// Every glyph of a packed font enlarged as "Увеличить шрифт" does it.
std::vector<std::uint8_t> EnlargeFont(const std::vector<std::uint8_t>& bytes,
                                      const pixmora::CellFormat& from,
                                      const pixmora::CellFormat& to, int scan);

// The font with every glyph one column further right, as many small fonts keep a blank column on
// the left. Enlarging repeats columns unevenly (6 -> 12 repeats old columns 2 and 5), so where the
// ink starts changes the enlarged glyphs. Dots pushed out of the cell are lost.
DrawnFont MovedRight(const DrawnFont& drawn);

}  // namespace models
