// The Adafruit GFX export: a header holding the packed bitmaps, the GFXglyph table and the GFXfont
// of a fixed-width font. Each glyph is trimmed to the box of its lit dots (an empty one to 0 x 0),
// placed by xOffset and yOffset from the cursor on the baseline, and advances the cell width; its
// dots follow one another row by row, the first in the top bit, each glyph from a new byte.
// The library's own <gfxfont.h> is included, or with `declareStructs` the two types are declared
// here in its layout under its include guard.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/firmware_font.h"

namespace pixmora {

struct GfxGlyph {
    std::uint32_t bitmapOffset = 0;
    int width = 0;
    int height = 0;
    int xOffset = 0;  // the box's left column
    int yOffset = 0;  // the box's top row, from the baseline
    int top = 0;      // the box's top row in the cell
};

// The glyphs of the font with their bitmap offsets; `bitmapBytes` is the bitmap's size.
struct GfxLayout {
    std::vector<GfxGlyph> glyphs;
    std::uint32_t bitmapBytes = 0;
};

GfxLayout LayOutGfx(const FirmwareFont& font, int baselineRow);

// GFXglyph keeps the offset in 16 bits: every glyph must start below 64 KiB.
bool GfxOffsetsFit(const GfxLayout& layout);

struct GfxOptions {
    std::string name;  // the GFXfont; its arrays are <name>Bitmaps and <name>Glyphs
    int baselineRow = 0;
    bool declareStructs = false;
};

std::string GfxHeaderText(const FirmwareFont& font, const GfxOptions& options);

}  // namespace pixmora
