#include "model/text_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "model/code_page.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr int kSpaceCode = 32;
constexpr int kNoBreakSpaceCode = 160;

// A colour as the four bytes of a pixel (pixel_image.h).
std::uint32_t PixelOf(Colour colour) {
    const std::uint32_t red = colour & 0xFF;
    const std::uint32_t green = colour >> 8 & 0xFF;
    const std::uint32_t blue = colour >> 16 & 0xFF;
    return 0xFF000000 | red << 16 | green << 8 | blue;
}

void Put(PixelImage& image, int x, int y, std::uint32_t pixel) {
    std::memcpy(image.pixels.data() + image.Offset(x, y), &pixel, sizeof pixel);
}

// Each dot row of a cell is made once as a run of pixels and copied into its `scale` pixel rows:
// a 60-character line at 4x is some 2.5 million pixels.
void DrawCell(PixelImage& image, const DotMatrix& dots, int left, int width, int height, int scale,
              DisplayLook look) {
    const std::uint32_t ink = PixelOf(look.ink);
    const std::uint32_t paper = PixelOf(look.paper);
    std::vector<std::uint32_t> run(static_cast<std::size_t>(width * scale));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const bool lit = dots[static_cast<std::size_t>(DotIndex(row, column))] != 0;
            std::fill_n(run.begin() + column * scale, scale, lit ? ink : paper);
        }
        for (int y = row * scale; y < (row + 1) * scale; ++y) {
            std::memcpy(image.pixels.data() + image.Offset(left, y), run.data(),
                        run.size() * sizeof(std::uint32_t));
        }
    }
}

// A missing character: paper inside a frame one pixel wide.
void DrawEmptyCell(PixelImage& image, int left, int cellWidth, int cellHeight, DisplayLook look) {
    const std::uint32_t frame = PixelOf(FrameColour(look));
    const std::uint32_t paper = PixelOf(look.paper);
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = left; x < left + cellWidth; ++x) {
            const bool edge =
                y == 0 || y == cellHeight - 1 || x == left || x == left + cellWidth - 1;
            Put(image, x, y, edge ? frame : paper);
        }
    }
}

}  // namespace

DisplayLook ChosenLook(const TextPreviewSettings& settings) {
    if (settings.look >= 0 && settings.look < static_cast<int>(kDisplayLooks.size())) {
        return kDisplayLooks[static_cast<std::size_t>(settings.look)].look;
    }
    return settings.custom;
}

Colour FrameColour(DisplayLook look) {
    Colour frame = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const Colour mean = ((look.ink >> shift & 0xFF) + (look.paper >> shift & 0xFF)) / 2;
        frame |= mean << shift;
    }
    return frame;
}

bool CharShown(const FontParams& params, const FontModel& font, int code) {
    if (code < kFirstCode || code >= kFirstCode + kCharCount) {
        return false;
    }
    return code == kSpaceCode || code == kNoBreakSpaceCode ||
           GlyphHasDots(CharGlyph(font.FontImage, code - kFirstCode, params.BytesPerChar));
}

PixelImage RenderTextLine(const FontParams& params, const FontModel& font, std::string_view text,
                          int scale, DisplayLook look) {
    const std::vector<std::optional<int>> codes = CodesOfUtf8(text);
    const int cellWidth = params.CellWidth * scale;
    PixelImage image;
    image.channels = 4;
    image.width = cellWidth * std::max<int>(static_cast<int>(codes.size()), 1);
    image.height = params.CellHeight * scale;
    image.pixels.resize(image.Offset(0, image.height));
    if (codes.empty()) {
        const DotMatrix blank{};
        DrawCell(image, blank, 0, params.CellWidth, params.CellHeight, scale, look);
    }
    for (std::size_t at = 0; at < codes.size(); ++at) {
        const int left = static_cast<int>(at) * cellWidth;
        if (!codes[at] || !CharShown(params, font, *codes[at])) {
            DrawEmptyCell(image, left, cellWidth, image.height, look);
            continue;
        }
        const DotMatrix dots =
            UnpackGlyph(CharGlyph(font.FontImage, *codes[at] - kFirstCode, params.BytesPerChar),
                        params.FontByteScan, params.CellWidth, params.CellHeight);
        DrawCell(image, dots, left, params.CellWidth, params.CellHeight, scale, look);
    }
    return image;
}

}  // namespace pixmora
