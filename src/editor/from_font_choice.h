// What the user chose to draw a font file into the cells with: the file, the cell format and its
// byte scan and polarity, the size and placement, and which characters receive the drawing.
#pragma once

#include <optional>
#include <string>

namespace pixmora {

struct RasteriseOptions {
    int formatIndex = 0;          // into kCellFormats
    std::optional<int> size;      // pixels: an outline's em height, a strike's height; none: auto
    bool smooth = false;          // outlines anti-aliased, then cut at the threshold, not hinted
    int threshold = 128;          // smooth: a dot is lit where the coverage reaches it, 1..255
    int scaleX = 100;             // outline fonts: horizontal scale in percent
    bool bold = false;            // every lit dot also lights the dot to its right
    std::optional<int> baseline;  // the baseline row; none: auto
    int offset = 0;               // dots to the right (negative: to the left)
    bool centre = false;          // centred in the drawing area instead of at the left
};

enum class FillChars {
    All,      // the drawing replaces the open font
    Undrawn,  // only the characters of the open font not yet defined
    Current,  // only the current character
};

struct FromFontChoice {
    std::string path;  // the font file; an installed font is chosen by its file
    RasteriseOptions options;
    int scan = 0;
    bool negative = false;
    FillChars chars = FillChars::All;
};

}  // namespace pixmora
