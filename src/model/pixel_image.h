// A picture in memory, row by row without padding: one byte a pixel (grey) or four (blue, green,
// red, 255: the 32-bit word 0xFFRRGGBB of a little-endian machine, which a window shows without
// converting it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixmora {

struct PixelImage {
    int width = 0;
    int height = 0;
    int channels = 1;  // 1 grey, 4 colour
    std::vector<std::uint8_t> pixels;

    std::size_t Offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)) *
               static_cast<std::size_t>(channels);
    }
};

}  // namespace pixmora
