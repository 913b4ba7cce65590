#include "cli/font_sheet.h"

#include <cstddef>
#include <span>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora::cli {

namespace {

constexpr int kGap = 1;

void PaintCell(PixelImage& image, const DotMatrix& dots, int left, int top, int width, int height,
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

PixelImage FontSheet(const Editor& ed, int scale) {
    const int width = ed.params.CellWidth;
    const int height = ed.params.CellHeight;
    const int cellWidth = width * scale;
    const int cellHeight = height * scale;
    PixelImage image;
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

}  // namespace pixmora::cli
