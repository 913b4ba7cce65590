// A line of text as the display shows it with the open font: each character of the text looked up
// in Windows-1251 and drawn in its cell, cells side by side with no gap (the spacing margin is part
// of the cell), each dot a square of `scale` pixels in the look's ink or paper.
//
//   "A?" in a 6 x 8 font at scale 1, "?" not in the font:
//
//   . # # # . .  + + + + + +      # ink   . paper
//   # . . . # .  + . . . . +      + frame: half way between ink and paper, one pixel wide
//   ...          ...
//   . . . . . .  + + + + + +
//
// A character is missing when the code page has none for it, when its code lies below the font's
// first (a control character), or when its cell holds no lit dot. A blank cell is what the font
// shows for an undrawn character too, so only the space and the no-break space count as drawn
// while empty. The character table's defined flags are not asked: they follow the table's looks,
// not the bytes the device is sent.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/colours.h"
#include "model/font_model.h"
#include "model/pixel_image.h"

namespace pixmora {

inline constexpr std::string_view kDefaultPreviewText =
    "Съешь же ещё этих мягких французских булок, да выпей чаю. 0123456789";
inline constexpr int kMaxPreviewScale = 4;

struct DisplayLook {
    Colour ink;    // a lit dot
    Colour paper;  // a dark dot and the glass around
};

struct NamedLook {
    std::string_view name;
    DisplayLook look;
};

// The displays a font is usually shown on; a custom pair is a DisplayLook of the user's own.
inline constexpr std::array<NamedLook, 3> kDisplayLooks{{
    {"Тёмный на жёлто-зелёном", {0x183420, 0x4CC8A8}},
    {"Белый на синем", {0xFFFFFF, 0xC83C1C}},
    {"OLED: белый на чёрном", {0xFFFFFF, 0x000000}},
}};
inline constexpr std::string_view kCustomLookName = "Свой";

// What the text preview pane is set to: the line, the pixels per dot (1..4) and the look, an index
// into kDisplayLooks or kDisplayLooks.size() for the custom pair.
struct TextPreviewSettings {
    std::string text{kDefaultPreviewText};
    int scale = 2;
    int look = 0;
    DisplayLook custom{0x000000, 0xFFFFFF};
};

DisplayLook ChosenLook(const TextPreviewSettings& settings);

// The colour of the frame of a missing character's cell.
Colour FrameColour(DisplayLook look);

// Whether character `code` (0..255) of the font shows in a line, or is drawn as a framed cell.
bool CharShown(const FontParams& params, const FontModel& font, int code);

// The line as colour pixels (pixel_image.h): height CellHeight * scale, width CellWidth * scale per
// character (one blank cell for an empty text, so that the picture is never empty).
PixelImage RenderTextLine(const FontParams& params, const FontModel& font, std::string_view text,
                          int scale, DisplayLook look);

}  // namespace pixmora
