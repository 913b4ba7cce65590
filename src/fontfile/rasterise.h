// Draws a whole font file into the cells of a cell format: the 224 characters of codes 32..255,
// each placed on one baseline inside the cell, with the size that fits the drawing area (the cell
// less its spacing margin) unless one is given.
//
// A glyph stands on the baseline row: the lowest row a capital without descender covers. Its ink
// starts at column `offset` (left placement) or is centred in the drawing area and moved by
// `offset`. Dots that fall outside the cell are cut; the character is listed as cut.
//
//   8 x 8, baseline row 6:   ..##....
//                            .#..#...   capitals fill rows 0..6 of the 7 x 7 drawing area;
//                            #....#..   row 7 and column 7 are the spacing margin, where
//                            ######..   descenders may reach
//                            #....#..
//                            #....#..
//                            #....#..   <- baseline row
//                            ........
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "editor/from_font_choice.h"
#include "fontfile/font_face.h"
#include "model/formats.h"

namespace pixmora {

inline constexpr int kMinScaleX = 25;
inline constexpr int kMaxScaleX = 400;

struct RasterisedFont {
    int size = 0;                   // the pixel size drawn with
    int baseline = 0;               // the baseline row used
    std::vector<int> missing;       // codes of characters the font lacks
    std::vector<int> cut;           // codes of characters that lost dots outside the cell
    std::vector<DotPicture> cells;  // kCharCount cells of the format's size, index = code - 32
};

inline constexpr const char* kNoCodePageChars =
    "В шрифте нет ни одного знака кодовой страницы 1251";
inline constexpr const char* kSizeDrawsNothing = "При этом размере шрифт не рисует ни одного знака";

// The largest size at which every capital and digit of the face fits the drawing area of the
// format, at that horizontal scale and emboldening; a bitmap font's largest fitting strike, else
// its smallest one.
int AutoSize(FontFace& face, const RasteriseOptions& options);

// Throws FontFileError when the face holds no character of the code page or draws nothing at the
// size. The face is left at the size drawn with.
RasterisedFont RasteriseFont(FontFace& face, const RasteriseOptions& options);

// The cells packed in a byte scan the format offers, kCharCount * bytesPerChar bytes, lit dots set.
std::vector<std::uint8_t> PackCells(std::span<const DotPicture> cells, int formatIndex, int scan);
std::vector<std::uint8_t> PackRasterised(const RasterisedFont& font, int formatIndex, int scan);

}  // namespace pixmora
