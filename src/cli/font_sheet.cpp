#include "cli/font_sheet.h"

#include <png.h>

#include <cstddef>
#include <span>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora::cli {

namespace {

constexpr int kGap = 1;

void PaintCell(GreyImage& image, const DotMatrix& dots, int left, int top, int width, int height,
               int scale) {
    for (int row = 0; row < height * scale; ++row) {
        std::uint8_t* line =
            image.pixels.data() + static_cast<std::size_t>(top + row) * image.width + left;
        for (int column = 0; column < width * scale; ++column) {
            const bool lit = dots[static_cast<std::size_t>(DotIndex(row / scale, column / scale))];
            line[column] = lit ? kLitShade : kDarkShade;
        }
    }
}

}  // namespace

GreyImage FontSheet(const Editor& ed, int scale) {
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    const int cellWidth = width * scale;
    const int cellHeight = height * scale;
    GreyImage image;
    image.width = kSheetColumns * cellWidth + (kSheetColumns - 1) * kGap;
    image.height = kSheetRows * cellHeight + (kSheetRows - 1) * kGap;
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, kGapShade);
    const std::span<const std::uint8_t> font(ed.font.FontImage);
    for (int index = 0; index < kCharCount; ++index) {
        const auto glyph = font.subspan(static_cast<std::size_t>(index * ed.params.BytesPerChar),
                                        static_cast<std::size_t>(ed.params.BytesPerChar));
        const DotMatrix dots = UnpackGlyph(glyph, ed.params.FontByteScan, width, height);
        PaintCell(image, dots, (index % kSheetColumns) * (cellWidth + kGap),
                  (index / kSheetColumns) * (cellHeight + kGap), width, height, scale);
    }
    return image;
}

std::optional<std::string> EncodePng(const GreyImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels.data(), 0, nullptr)) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.pixels.data(), 0, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace pixmora::cli
