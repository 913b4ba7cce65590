// Builds the reference glyphs of one cell format from real fonts and writes them as a model file.
//
// A model file holds 64 glyphs: four rows (one reference font each) of the same 16 test
// characters. Every glyph sits in the bottom-left corner of its cell and is packed in
// "вертикально 1": byte (r div 8) * W + c holds column c of the band of rows 8 * (r div 8) .. +7,
// bit r mod 8, bit 0 the top row. A 6 x 8 "A" with its ink at columns 0..4, rows 1..7:
//
//     ......      column:  0    1    2    3    4    5
//     .###..      byte:    FC   22   22   22   FC   00
//     #...#.
//     #...#.      (column 0: rows 2..7 lit = bits 2..7 = FC;
//     #...#.       columns 1..3: rows 1 and 5 lit = bits 1 and 5 = 22)
//     #####.
//     #...#.
//     #...#.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "glyph_render.h"

namespace models {

struct CellFormat {
    int width;
    int height;
    int bytesPerChar() const { return width * height / 8; }
    // The part of the cell a glyph may use: the rest is the spacing margin along the right
    // and bottom edges, one dot wide in cells up to 8 dots wide and two dots wide above that.
    // 5 x 8 and 8 x 16 cells have no right margin: their fonts (the 5 x 7 LCD style, the console
    // fonts) draw in every column and leave the gap between characters to the display.
    int margin() const { return width > 8 ? 2 : 1; }
    bool fullWidth() const { return (width == 5 && height == 8) || (width == 8 && height == 16); }
    int areaWidth() const { return width - (fullWidth() ? 0 : margin()); }
    int areaHeight() const { return height - margin(); }
};

// The test characters of a model row, in their order: blank % & / 0 1 2 3 A B C D А Б В Г.
inline constexpr std::array<char32_t, 16> kTestChars = {
    U' ', U'%', U'&', U'/', U'0',      U'1',      U'2',      U'3',
    U'A', U'B', U'C', U'D', U'\u0410', U'\u0411', U'\u0412', U'\u0413'};

inline constexpr int kRowsPerModel = 4;

// One reference font: each test character is drawn by the first font of the list that has it and
// draws it inside the drawing area. A font without Cyrillic draws А and В as its Latin A and B,
// which they equal in look, so that they match the rest of the row.
//
// A row may be drawn in a smaller cell and enlarged into the model's cell by repeating dot columns
// and rows exactly as the program's "Увеличить шрифт" does, so that fonts users enlarged that way
// find a reference of their own look. Where the glyphs start in the small cell matters, because
// the enlargement repeats columns unevenly (6 -> 12 shows old columns 0 1 2 2 2 2 3 4 5 5 5 5):
// many small fonts keep column 0 blank and draw in columns 1 and on.
struct Enlargement {
    CellFormat from;
    int firstColumn = 0;
};

struct ModelRow {
    std::string style;
    std::vector<FontSource> fonts;
    std::optional<Enlargement> enlarged = std::nullopt;
};

struct ModelFormat {
    CellFormat cell;
    std::array<ModelRow, kRowsPerModel> rows;
};

// How one glyph of a row was made, for the report.
struct GlyphOrigin {
    std::string path;
    char32_t drawnAs = 0;    // the character taken from that font
    float pixelSize = 0.0f;  // outline fonts only
};

struct BuiltRow {
    std::array<DotMatrix, kTestChars.size()> cells;  // cell-sized, aligned bottom-left
    std::array<GlyphOrigin, kTestChars.size()> origins;
};

// The largest whole-pixel outline size at which the font's capitals and digits fit the
// drawing area, so they fill its height unless their width stops them first.
float FitPixelSize(Font& font, const CellFormat& cell);

// Draws the 16 test characters of a row. Throws RenderError when no font of the row draws a
// character inside the drawing area. An outline sign that does not fit at the font's size is
// drawn at the largest size at which it does. An enlarged row is drawn in its small cell, moved to
// its first column, enlarged and aligned again.
BuiltRow BuildRow(const FreeTypeLibrary& library, const CellFormat& cell, const ModelRow& row);

// A glyph of a smaller cell (its dots where they were drawn) enlarged to the cell by the
// program's line mapping (src/transform/line_mapping.h).
DotMatrix EnlargeCell(const DotMatrix& small, const CellFormat& cell);

// Moves the lit dots of a glyph to the bottom-left corner of a W x H cell.
DotMatrix AlignBottomLeft(const DotMatrix& glyph, const CellFormat& cell);

// Packs a cell-sized matrix in "вертикально 1".
std::vector<std::uint8_t> PackVertical1(const DotMatrix& cell);
DotMatrix UnpackVertical1(const std::uint8_t* bytes, const CellFormat& cell);

// Checks the packed model: 64 glyphs, the blank slots blank, every other glyph lit, touching the
// left column and the bottom row and inside the drawing area (inside the cell for the rows marked
// enlarged, which reach into the spacing margin as the enlargement makes them). Returns a
// description of every fault (empty when sound).
std::vector<std::string> CheckModel(const std::vector<std::uint8_t>& bytes, const CellFormat& cell,
                                    const std::array<bool, kRowsPerModel>& enlargedRows = {});

// The model file's text: "Data &hNN,..." lines of one glyph for glyphs of fewer than 8 bytes, 8
// values otherwise, CR LF, as the program writes source text.
std::string ModelFileText(const std::vector<std::uint8_t>& bytes, const CellFormat& cell);

}  // namespace models
