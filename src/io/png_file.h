// PNG files of pictures the program draws (the font sheet, the text preview).
#pragma once

#include <optional>
#include <string>

#include "model/pixel_image.h"

namespace pixmora {

// The picture as the bytes of a PNG file, or nothing when the encoder fails (an empty picture).
std::optional<std::string> EncodePng(const PixelImage& image);

}  // namespace pixmora
