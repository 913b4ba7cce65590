// Every character of a font's code page (codes 32..255) as the font draws it: the one call a
// reader of font files needs, whatever the file's kind.
#pragma once

#include <array>
#include <string>

#include "fontfile/font_face.h"
#include "model/font_model.h"

namespace pixmora {

struct CodePageGlyph {
    PlacedGlyph glyph;     // blank when missing
    bool missing = false;  // the font lacks the character (0x98, which names none, is not missing)
};

using CodePageGlyphs = std::array<CodePageGlyph, kCharCount>;  // index = code - 32

// The glyphs of codes 32..255 at the face's present size or strike: the characters of the code
// page, or the codes themselves for a face asked by its file's 8-bit codes.
CodePageGlyphs DrawCodePage(const FontFace& face, const OutlineRendering& rendering = {});

}  // namespace pixmora
