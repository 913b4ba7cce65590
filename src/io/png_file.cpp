#include "io/png_file.h"

#include <png.h>

#include <cstdint>
#include <vector>

namespace pixmora {

namespace {

// Colour pictures are written as RGB: the fourth byte is always 255.
std::vector<std::uint8_t> RgbOf(const PixelImage& image) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(image.pixels.size() / 4 * 3);
    for (std::size_t at = 0; at + 3 < image.pixels.size(); at += 4) {
        rgb.insert(rgb.end(), {image.pixels[at + 2], image.pixels[at + 1], image.pixels[at]});
    }
    return rgb;
}

}  // namespace

std::optional<std::string> EncodePng(const PixelImage& image) {
    const bool colour = image.channels == 4;
    const std::vector<std::uint8_t> rgb = colour ? RgbOf(image) : std::vector<std::uint8_t>{};
    const std::uint8_t* pixels = colour ? rgb.data() : image.pixels.data();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = colour ? PNG_FORMAT_RGB : PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, pixels, 0, nullptr)) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, pixels, 0, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace pixmora
