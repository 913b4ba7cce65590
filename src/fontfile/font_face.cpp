#include "fontfile/font_face.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include FT_FONT_FORMATS_H

#include "fontfile/font_bytes.h"
#include "fontfile/psf_font.h"

namespace pixmora {

namespace {

inline constexpr const char* kFreeTypeMissing = "Библиотека FreeType не запущена";
inline constexpr const char* kNoUnicodeMap = "В шрифте нет таблицы символов Юникода";
inline constexpr const char* kSizeRefused = "Шрифт не принимает этот размер";

}  // namespace

bool DotPicture::blank() const {
    return std::none_of(dots.begin(), dots.end(), [](std::uint8_t d) { return d != 0; });
}

DotPicture DotPicture::cropped() const {
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
        return DotPicture();
    }
    DotPicture result(right - left + 1, bottom - top + 1);
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
        throw FontFileError(kFreeTypeMissing);
    }
}

FreeTypeLibrary::~FreeTypeLibrary() {
    FT_Done_FreeType(handle_->library);
}

// FreeType reads the face from `bytes` for as long as it is open, so they live together.
struct FontFace::Face {
    std::vector<std::uint8_t> bytes;
    FT_Face face = nullptr;
    std::optional<PsfFont> psf;
    ~Face() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
    }
};

FontFace::FontFace() : face_(std::make_unique<Face>()) {}
FontFace::~FontFace() = default;
FontFace::FontFace(FontFace&&) noexcept = default;
FontFace& FontFace::operator=(FontFace&&) noexcept = default;

FontFace FontFace::Open(const FreeTypeLibrary& library, const std::string& path) {
    return OpenBytes(library, ReadFontFileBytes(path));
}

namespace {

bool IsBdfFace(FT_Face face) {
    const char* format = FT_Get_Font_Format(face);
    return format != nullptr && std::string_view(format) == "BDF";
}

// A BDF font's charmap holds the codes its file gives whatever its registry; FreeType calls it
// Unicode only for ISO10646 and ISO8859-1.
bool SelectFileCodes(FT_Face face) {
    return IsBdfFace(face) && face->num_charmaps > 0 &&
           FT_Set_Charmap(face, face->charmaps[0]) == 0;
}

}  // namespace

FontFace FontFace::OpenBytes(const FreeTypeLibrary& library, std::vector<std::uint8_t> bytes,
                             CharCodes codes) {
    FontFace result;
    Face& face = *result.face_;
    face.bytes = std::move(bytes);
    if (LooksLikePsf(face.bytes)) {
        try {
            face.psf = ReadPsfFont(face.bytes);
            result.kind_ = FaceKind::Psf;
            return result;
        } catch (const FontFileError&) {
            if (!IsGzip(face.bytes)) {
                throw;
            }
            // A gzip that holds no console font may hold a PCF or BDF: FreeType unpacks those.
        }
    }
    if (FT_New_Memory_Face(library.handle_->library, face.bytes.data(),
                           static_cast<FT_Long>(face.bytes.size()), 0, &face.face) != 0) {
        face.face = nullptr;
        throw FontFileError(kFontFileDamaged);
    }
    if (FT_Select_Charmap(face.face, FT_ENCODING_UNICODE) != 0) {
        result.fileCodes_ = codes == CharCodes::UnicodeOrBdf && SelectFileCodes(face.face);
        if (!result.fileCodes_) {
            throw FontFileError(kNoUnicodeMap);
        }
    }
    result.kind_ = FT_IS_SCALABLE(face.face) ? FaceKind::Outline : FaceKind::Bitmap;
    if (result.kind_ == FaceKind::Bitmap) {
        if (face.face->num_fixed_sizes < 1 || FT_Select_Size(face.face, 0) != 0) {
            throw FontFileError(kFontFileDamaged);
        }
    }
    return result;
}

std::string FontFace::name() const {
    if (face_->psf) {
        return "PSF " + std::to_string(face_->psf->width) + " x " +
               std::to_string(face_->psf->height);
    }
    std::string name = face_->face->family_name != nullptr ? face_->face->family_name : "";
    if (face_->face->style_name != nullptr) {
        name.append(" ").append(face_->face->style_name);
    }
    return name;
}

std::vector<int> FontFace::strikeHeights() const {
    if (face_->psf) {
        return {face_->psf->height};
    }
    std::vector<int> heights;
    if (kind_ == FaceKind::Bitmap) {
        for (int i = 0; i < face_->face->num_fixed_sizes; ++i) {
            heights.push_back(face_->face->available_sizes[i].height);
        }
    }
    return heights;
}

bool FontFace::selectStrike(int height) {
    if (face_->psf) {
        return height == face_->psf->height;
    }
    if (kind_ != FaceKind::Bitmap) {
        return false;
    }
    const FT_Face face = face_->face;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        if (face->available_sizes[i].height == height) {
            return FT_Select_Size(face, i) == 0;
        }
    }
    return false;
}

void FontFace::setPixelSize(float pixels, float widthScale) {
    const auto height = static_cast<FT_F26Dot6>(std::lround(pixels * 64.0f));
    const auto width = static_cast<FT_F26Dot6>(std::lround(pixels * widthScale * 64.0f));
    if (kind_ != FaceKind::Outline || height < 1 || width < 1 ||
        FT_Set_Char_Size(face_->face, width, height, 72, 72) != 0) {
        throw FontFileError(kSizeRefused);
    }
}

std::optional<std::string> FontFace::bdfProperty(const char* name) const {
    BDF_PropertyRec property;
    if (face_->face == nullptr || FT_Get_BDF_Property(face_->face, name, &property) != 0) {
        return std::nullopt;
    }
    switch (property.type) {
        case BDF_PROPERTY_TYPE_ATOM:
            return property.u.atom != nullptr ? std::string(property.u.atom) : std::string();
        case BDF_PROPERTY_TYPE_INTEGER:
            return std::to_string(property.u.integer);
        case BDF_PROPERTY_TYPE_CARDINAL:
            return std::to_string(property.u.cardinal);
        default:
            return std::nullopt;
    }
}

bool FontFace::hasChar(char32_t code) const {
    if (face_->psf) {
        return face_->psf->glyphOf.contains(code);
    }
    return FT_Get_Char_Index(face_->face, code) != 0;
}

namespace {

// The picture of FreeType's glyph slot: one bit per dot, or coverage bytes against a threshold.
std::optional<DotPicture> SlotDots(const FT_Bitmap& bitmap, int threshold) {
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        return std::nullopt;
    }
    DotPicture dots(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
    for (int y = 0; y < dots.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < dots.width; ++x) {
            dots.at(x, y) = mono ? (row[x >> 3] >> (7 - (x & 7))) & 1u : row[x] >= threshold;
        }
    }
    return dots;
}

}  // namespace

PlacedGlyph FontFace::place(char32_t code, const OutlineRendering& rendering) const {
    if (face_->psf) {
        const PsfFont& psf = *face_->psf;
        const auto found = psf.glyphOf.find(code);
        if (found == psf.glyphOf.end()) {
            return {};
        }
        // A console font has no baseline: its cell stands on the pen origin.
        PlacedGlyph glyph{DotPicture(psf.width, psf.height), 0, psf.height};
        for (int y = 0; y < glyph.dots.height; ++y) {
            for (int x = 0; x < glyph.dots.width; ++x) {
                glyph.dots.at(x, y) = psf.dot(found->second, x, y) ? 1 : 0;
            }
        }
        return glyph;
    }
    const FT_Face face = face_->face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    const bool smooth = rendering.smooth && kind_ == FaceKind::Outline;
    const FT_Int32 flags =
        FT_LOAD_RENDER |
        (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) |
        (kind_ == FaceKind::Outline ? FT_LOAD_NO_BITMAP : 0);
    if (index == 0 || FT_Load_Glyph(face, index, flags) != 0) {
        return {};
    }
    std::optional<DotPicture> dots =
        SlotDots(face->glyph->bitmap, std::clamp(rendering.threshold, 1, 255));
    if (!dots) {
        return {};
    }
    return {std::move(*dots), face->glyph->bitmap_left, face->glyph->bitmap_top};
}

}  // namespace pixmora
