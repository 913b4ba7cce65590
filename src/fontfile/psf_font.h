// Reads Linux console fonts (PSF version 1 or 2, gzip-compressed or not), which FreeType cannot
// open: they carry the classic 8-dot-wide VGA character sets.
//
// Version 1 header, 4 bytes:            Version 2 header, 32 bytes, little-endian 32-bit words:
//   0  36 04   magic                      0  72 B5 4A 86  magic
//   2  mode    bit 0: 512 glyphs, else    4  version (0)
//              256; bits 1, 2: a Unicode   8  header size = offset of the glyphs
//              table follows the glyphs   12  flags, bit 0: a Unicode table follows the glyphs
//   3  height  glyph height; width is 8   16  glyph count
//                                         20  bytes per glyph (= height * ((width + 7) / 8))
//                                         24  height     28  width
//
// Glyphs are `height` rows of (width + 7) / 8 bytes, the leftmost dot in bit 7. A 8-wide "L":
//
//   #.......   80          The Unicode table lists, glyph after glyph, the characters the glyph
//   #.......   80          stands for: version 1 as 16-bit little-endian code points ending in
//   ########   FF          FFFF, version 2 as UTF-8 ending in FF; FFFE / FE starts sequences of
//                          combining characters, which name no single character.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace pixmora {

struct PsfFont {
    int width = 0;
    int height = 0;
    int bytesPerRow = 0;
    int bytesPerGlyph = 0;
    std::vector<std::uint8_t> glyphs;  // glyph g at g * bytesPerGlyph, rows top down, MSB left
    std::map<char32_t, int> glyphOf;   // from the font's Unicode table

    bool dot(int glyph, int x, int y) const {
        const std::size_t row = static_cast<std::size_t>(glyph * bytesPerGlyph + y * bytesPerRow);
        return (glyphs[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1u;
    }
};

// True when the bytes (plain or gzip) start like a PSF font.
bool LooksLikePsf(std::span<const std::uint8_t> bytes);

// Throws FontFileError when the bytes are not a PSF font, its header does not match its size or it
// has no Unicode table. Gzip-compressed bytes are unpacked first.
PsfFont ReadPsfFont(std::span<const std::uint8_t> bytes);

}  // namespace pixmora
