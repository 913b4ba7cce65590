// The real fonts the model rows are drawn from, opened through the editor's own font-file layer
// (src/fontfile) with the options each row asks for.
#pragma once

#include <string>

#include "fontfile/font_bytes.h"
#include "fontfile/font_face.h"

namespace models {

using DotMatrix = pixmora::DotPicture;
using PlacedGlyph = pixmora::PlacedGlyph;
using FreeTypeLibrary = pixmora::FreeTypeLibrary;
using RenderError = pixmora::FontFileError;

enum class Rendering {
    Bitmap,   // a strike of a bitmap font, dots as the font's author drew them
    Outline,  // an outline font, hinted for and rasterised to one bit per dot
    Console,  // a Linux console font (PSF), dots as the font's author drew them
};

struct FontSource {
    std::string path;     // font file
    std::string package;  // the Debian package that installs it
    Rendering rendering = Rendering::Outline;
    int strikeHeight = 0;      // Bitmap: pixel height of the strike; 0 takes the font's only strike
    float widthScale = 1.0f;   // Outline: horizontal stretch of the outlines (below 1 condenses)
    float heightShare = 1.0f;  // Outline: share of the drawing area's height the capitals fill
    int dotScale = 1;  // Bitmap and Console: every dot drawn as a square this many dots wide
};

// One open font file with its size set up; opening reports problems as RenderError.
class Font {
  public:
    Font(const FreeTypeLibrary& library, const FontSource& source);

    const FontSource& source() const { return source_; }
    bool hasChar(char32_t code) const { return face_.hasChar(code); }
    // Outline fonts: sets the pixel size (the em height, before widthScale).
    void setPixelSize(float pixels);
    float pixelSize() const { return pixelSize_; }
    // The character's lit dots, cropped to the smallest rectangle that holds them.
    DotMatrix render(char32_t code) const { return place(code).dots.cropped(); }
    // The character's dots with their place, so that whole fonts can be laid out on a baseline.
    PlacedGlyph place(char32_t code) const;

  private:
    FontSource source_;
    pixmora::FontFace face_;
    float pixelSize_ = 0.0f;
};

}  // namespace models
