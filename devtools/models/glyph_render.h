// Draws characters of real fonts as monochrome dot matrices with FreeType.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace models {

// A matrix of dots, row 0 at the top; 1 is a lit dot.
struct DotMatrix {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dots;

    DotMatrix() = default;
    DotMatrix(int w, int h) : width(w), height(h), dots(static_cast<std::size_t>(w * h), 0) {}
    std::uint8_t& at(int x, int y) { return dots[static_cast<std::size_t>(y * width + x)]; }
    std::uint8_t at(int x, int y) const { return dots[static_cast<std::size_t>(y * width + x)]; }
    bool blank() const;
    // The smallest matrix that holds every lit dot (0 x 0 for a blank one).
    DotMatrix cropped() const;
};

// A glyph as the font places it: its dots (the ink box for FreeType fonts, the whole character cell
// for console fonts) and where their top-left dot lies from the pen origin on the baseline,
// `left` dots to the right and `top` dots up.
struct PlacedGlyph {
    DotMatrix dots;
    int left = 0;
    int top = 0;
};

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
};

struct RenderError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FreeTypeLibrary;
struct ConsoleFont;

// One open font file with its size set up; opening reports problems as RenderError.
class Font {
  public:
    Font(const FreeTypeLibrary& library, const FontSource& source);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontSource& source() const { return source_; }
    bool hasChar(char32_t code) const;
    // Outline fonts: sets the pixel size (the em height, before widthScale).
    void setPixelSize(float pixels);
    float pixelSize() const { return pixelSize_; }
    // The character's lit dots, cropped to the smallest rectangle that holds them.
    DotMatrix render(char32_t code) const;
    // The character's dots with their place, so that whole fonts can be laid out on a baseline.
    PlacedGlyph place(char32_t code) const;

  private:
    struct Face;
    FontSource source_;
    std::unique_ptr<Face> face_;
    std::unique_ptr<ConsoleFont> console_;
    float pixelSize_ = 0.0f;
};

class FreeTypeLibrary {
  public:
    FreeTypeLibrary();
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

  private:
    friend class Font;
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

}  // namespace models
