#include "glyph_render.h"

#include "console_font.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace models {

bool DotMatrix::blank() const {
    return std::none_of(dots.begin(), dots.end(), [](std::uint8_t d) { return d != 0; });
}

DotMatrix DotMatrix::cropped() const {
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return DotMatrix();
    }
    DotMatrix result(right - left + 1, bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            result.at(x - left, y - top) = at(x, y);
        }
    }
    return result;
}

struct FreeTypeLibrary::Handle {
    FT_Library library = nullptr;
};

FreeTypeLibrary::FreeTypeLibrary() : handle_(std::make_unique<Handle>()) {
    if (FT_Init_FreeType(&handle_->library) != 0) {
        throw RenderError("FreeType could not be initialised");
    }
}

FreeTypeLibrary::~FreeTypeLibrary() {
    FT_Done_FreeType(handle_->library);
}

struct Font::Face {
    FT_Face face = nullptr;
    ~Face() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
    }
};

namespace {

std::string describe(const FontSource& source) {
    return source.path + " (Debian package " + source.package + ")";
}

}  // namespace

Font::Font(const FreeTypeLibrary& library, const FontSource& source)
    : source_(source), face_(std::make_unique<Face>()) {
    if (source.rendering == Rendering::Console) {
        console_ = std::make_unique<ConsoleFont>(ReadConsoleFont(source.path));
        return;
    }
    if (FT_New_Face(library.handle_->library, source.path.c_str(), 0, &face_->face) != 0) {
        throw RenderError("cannot open font " + describe(source));
    }
    FT_Face face = face_->face;
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        throw RenderError("font has no Unicode character map: " + describe(source));
    }
    if (source.rendering == Rendering::Bitmap) {
        int chosen = -1;
        for (int i = 0; i < face->num_fixed_sizes; ++i) {
            if (source.strikeHeight == 0 ? face->num_fixed_sizes == 1
                                         : face->available_sizes[i].height == source.strikeHeight) {
                chosen = i;
            }
        }
        if (chosen < 0 || FT_Select_Size(face, chosen) != 0) {
            throw RenderError("no bitmap strike of height " + std::to_string(source.strikeHeight) +
                              " in " + describe(source));
        }
    } else if (!FT_IS_SCALABLE(face)) {
        throw RenderError("not an outline font: " + describe(source));
    }
}

Font::~Font() = default;

bool Font::hasChar(char32_t code) const {
    if (console_) {
        return console_->glyphOf.contains(code);
    }
    return FT_Get_Char_Index(face_->face, code) != 0;
}

void Font::setPixelSize(float pixels) {
    if (source_.rendering != Rendering::Outline) {
        throw RenderError("only outline fonts take a size: " + describe(source_));
    }
    // Sizes are whole 64ths of a pixel, so a size read back from a table renders the same.
    const auto height = static_cast<FT_F26Dot6>(std::lround(pixels * 64.0f));
    const auto width = static_cast<FT_F26Dot6>(std::lround(pixels * source_.widthScale * 64.0f));
    if (FT_Set_Char_Size(face_->face, width, height, 72, 72) != 0) {
        throw RenderError("cannot set size " + std::to_string(pixels) + " of " + describe(source_));
    }
    pixelSize_ = pixels;
}

DotMatrix Font::render(char32_t code) const {
    return place(code).dots.cropped();
}

PlacedGlyph Font::place(char32_t code) const {
    if (console_) {
        const auto found = console_->glyphOf.find(code);
        if (found == console_->glyphOf.end()) {
            throw RenderError("no U+" + std::to_string(static_cast<unsigned>(code)) + " in " +
                              describe(source_));
        }
        // A console font has no baseline: its cell stands on the pen origin.
        PlacedGlyph glyph{DotMatrix(console_->width, console_->height), 0, console_->height};
        for (int y = 0; y < glyph.dots.height; ++y) {
            for (int x = 0; x < glyph.dots.width; ++x) {
                glyph.dots.at(x, y) = console_->dot(found->second, x, y) ? 1 : 0;
            }
        }
        return glyph;
    }
    FT_Face face = face_->face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    const FT_Int32 flags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME |
                           (source_.rendering == Rendering::Outline ? FT_LOAD_NO_BITMAP : 0);
    if (index == 0 || FT_Load_Glyph(face, index, flags) != 0) {
        throw RenderError("cannot draw U+" + std::to_string(static_cast<unsigned>(code)) + " of " +
                          describe(source_));
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        throw RenderError("FreeType did not give a one-bit picture for " + describe(source_));
    }
    PlacedGlyph glyph{DotMatrix(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows)),
                      face->glyph->bitmap_left, face->glyph->bitmap_top};
    for (int y = 0; y < glyph.dots.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.dots.width; ++x) {
            glyph.dots.at(x, y) = (row[x >> 3] >> (7 - (x & 7))) & 1u;
        }
    }
    return glyph;
}

}  // namespace models
