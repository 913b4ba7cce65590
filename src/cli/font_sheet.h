// A picture of a whole font for a build log or a code review: the 224 characters in the order of
// the character table, 16 columns by 14 rows, each dot a square of `scale` pixels, lit dots dark
// on a light cell, one grey pixel between neighbouring cells:
//
//   width  = 16 * CellWidth  * scale + 15
//   height = 14 * CellHeight * scale + 13
#pragma once

#include <cstdint>

#include "model/pixel_image.h"

namespace pixmora {
struct Editor;
}

namespace pixmora::cli {

inline constexpr int kSheetColumns = 16;
inline constexpr int kSheetRows = 14;
inline constexpr int kMaxScale = 16;
inline constexpr std::uint8_t kLitShade = 0;
inline constexpr std::uint8_t kDarkShade = 255;
inline constexpr std::uint8_t kGapShade = 160;

// 8-bit grey pixels.
PixelImage FontSheet(const Editor& ed, int scale);

}  // namespace pixmora::cli
