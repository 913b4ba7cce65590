// Reads Linux console fonts (PSF version 1 or 2, gzip-compressed or not), which FreeType cannot
// open: they carry the classic 8-dot-wide VGA character sets.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace models {

struct ConsoleFont {
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

// Throws RenderError when the file cannot be read, is not a PSF font or has no Unicode table.
ConsoleFont ReadConsoleFont(const std::string& path);

}  // namespace models
