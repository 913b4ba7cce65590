// A font file opened for drawing its characters as dots: outline and bitmap fonts through FreeType
// (TTF, OTF, TTC, PFB/PFA, WOFF, PCF, BDF, gzip-compressed or not), Linux console fonts through
// the PSF reader.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pixmora {

// A matrix of dots, row 0 at the top; 1 is a lit dot.
struct DotPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dots;

    DotPicture() = default;
    DotPicture(int w, int h) : width(w), height(h), dots(static_cast<std::size_t>(w * h), 0) {}
    std::uint8_t& at(int x, int y) { return dots[static_cast<std::size_t>(y * width + x)]; }
    std::uint8_t at(int x, int y) const { return dots[static_cast<std::size_t>(y * width + x)]; }
    bool blank() const;
    // The smallest matrix that holds every lit dot (0 x 0 for a blank one).
    DotPicture cropped() const;
};

// A glyph as the font places it: its dots (the ink box for FreeType fonts, the whole character cell
// for console fonts) and where their top-left dot lies from the pen origin on the baseline,
// `left` dots to the right and `top` dots up.
struct PlacedGlyph {
    DotPicture dots;
    int left = 0;
    int top = 0;
};

enum class FaceKind {
    Outline,  // scalable outlines, drawn at any pixel size
    Bitmap,   // strikes of fixed sizes, dots as the font's author drew them
    Psf,      // a Linux console font, one fixed size, no baseline
};

// How outlines become dots; bitmap and console fonts are always taken dot for dot.
struct OutlineRendering {
    bool smooth = false;  // false: hinted for and rasterised to one bit per dot
    int threshold = 128;  // smooth: a dot is lit where the coverage reaches this, 1..255
};

class FreeTypeLibrary {
  public:
    FreeTypeLibrary();
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

  private:
    friend class FontFace;
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// Which character codes a face is asked by.
enum class CharCodes {
    Unicode,       // a font without a Unicode map is refused
    UnicodeOrBdf,  // a BDF font of another registry is asked by the codes its file gives
};

// One open font. Every failure is a FontFileError worded for the user; the library must outlive
// the face.
class FontFace {
  public:
    // The file's bytes are read whole, so that a face never reads a file that changes under it.
    static FontFace Open(const FreeTypeLibrary& library, const std::string& path);
    static FontFace OpenBytes(const FreeTypeLibrary& library, std::vector<std::uint8_t> bytes,
                              CharCodes codes = CharCodes::Unicode);
    ~FontFace();
    FontFace(FontFace&&) noexcept;
    FontFace& operator=(FontFace&&) noexcept;

    FaceKind kind() const { return kind_; }
    // "DejaVu Sans Book", or the PSF cell for a console font.
    std::string name() const;
    // Heights of the strikes of a bitmap font, the cell height of a console font, nothing for an
    // outline font.
    std::vector<int> strikeHeights() const;
    // Bitmap fonts: the strike of that height; false when there is none.
    bool selectStrike(int height);
    // Outline fonts: the em height in pixels, and the horizontal stretch of the outlines (below 1
    // condenses). Sizes are whole 64ths of a pixel, so a size read back from a table renders the
    // same.
    void setPixelSize(float pixels, float widthScale = 1.0f);

    // True when hasChar and place take the 8-bit codes of a BDF file rather than Unicode.
    bool fileCodes() const { return fileCodes_; }
    // A BDF font's property: a string as written between the quotes, a number in decimal; nothing
    // for a property the file lacks or a font of another kind.
    std::optional<std::string> bdfProperty(const char* name) const;

    bool hasChar(char32_t code) const;
    // The character's dots with their place; blank for a character the font lacks.
    PlacedGlyph place(char32_t code, const OutlineRendering& rendering = {}) const;

  private:
    struct Face;
    FontFace();
    std::unique_ptr<Face> face_;
    FaceKind kind_ = FaceKind::Outline;
    bool fileCodes_ = false;
};

}  // namespace pixmora
