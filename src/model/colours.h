// Colours are 0x00BBGGRR (blue in the high byte), named by the role they play.
#pragma once

#include <cstdint>

namespace pixmora {

using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;    // dark dot of the drawing area, normal table cell
inline constexpr Colour kYellow = 0x00FFFF;   // dark dot of the spacing margin
inline constexpr Colour kBlue = 0xFF0000;     // lit dot on white; background of the copy source
inline constexpr Colour kRed = 0x0000FF;      // lit margin dot; background of the current cell
inline constexpr Colour kCyan = 0xFFFF00;     // highlighted blue dot; circle centre marker
inline constexpr Colour kMagenta = 0xFF00FF;  // highlighted red dot
inline constexpr Colour kBlack = 0x000000;    // text of a defined table cell
// System colour of an active window border: the text of an empty table cell.
inline constexpr Colour kEmptyCellText = 0x8000000A;

// The ink of a lit dot drawn by a single-dot operation: red on the margin, blue elsewhere.
constexpr Colour InkOnBackground(Colour background) {
    return background == kYellow ? kRed : kBlue;
}

// The ink of a dot lit by a drawing tool, judged by what the dot shows at that moment.
constexpr Colour InkOverShown(Colour shown) {
    return (shown == kYellow || shown == kRed) ? kRed : kBlue;
}

}  // namespace pixmora
