#include "glyph_render.h"

namespace models {

namespace {

std::string Describe(const FontSource& source) {
    return source.path + " (Debian package " + source.package + ")";
}

pixmora::FontFace OpenFace(const FreeTypeLibrary& library, const FontSource& source) {
    try {
        return pixmora::FontFace::Open(library, source.path);
    } catch (const RenderError& error) {
        throw RenderError("cannot open font " + Describe(source) + ": " + error.what());
    }
}

pixmora::FaceKind KindOf(Rendering rendering) {
    return rendering == Rendering::Outline  ? pixmora::FaceKind::Outline
           : rendering == Rendering::Bitmap ? pixmora::FaceKind::Bitmap
                                            : pixmora::FaceKind::Psf;
}

}  // namespace

Font::Font(const FreeTypeLibrary& library, const FontSource& source)
    : source_(source), face_(OpenFace(library, source)) {
    if (face_.kind() != KindOf(source.rendering)) {
        throw RenderError("not the kind of font the row names: " + Describe(source));
    }
    if (source.rendering == Rendering::Bitmap) {
        const bool chosen = source.strikeHeight == 0 ? face_.strikeHeights().size() == 1
                                                     : face_.selectStrike(source.strikeHeight);
        if (!chosen) {
            throw RenderError("no bitmap strike of height " + std::to_string(source.strikeHeight) +
                              " in " + Describe(source));
        }
    }
}

void Font::setPixelSize(float pixels) {
    if (source_.rendering != Rendering::Outline) {
        throw RenderError("only outline fonts take a size: " + Describe(source_));
    }
    face_.setPixelSize(pixels, source_.widthScale);
    pixelSize_ = pixels;
}

PlacedGlyph Font::place(char32_t code) const {
    PlacedGlyph glyph = face_.place(code);
    const int scale = source_.dotScale;
    if (scale == 1) {
        return glyph;
    }
    DotMatrix scaled(glyph.dots.width * scale, glyph.dots.height * scale);
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) {
            scaled.at(x, y) = glyph.dots.at(x / scale, y / scale);
        }
    }
    return {scaled, glyph.left * scale, glyph.top * scale};
}

}  // namespace models
