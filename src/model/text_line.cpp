#include "model/text_line.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "model/code_page.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr int kSpaceCode = 32;
constexpr int kNoBreakSpaceCode = 160;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

Rgb RgbOf(Colour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>(colour >> 8 & 0xFF),
            static_cast<std::uint8_t>(colour >> 16 & 0xFF)};
}

void Put(PixelImage& image, int x, int y, Rgb colour) {
    std::uint8_t* pixel = image.pixels.data() + image.Offset(x, y);
    pixel[0] = colour.red;
    pixel[1] = colour.green;
    pixel[2] = colour.blue;
}

// One dot row of a cell is drawn into the first pixel row of its band, which is then copied
// down: a 60-character line at 4x is some 2.5 million pixels.
void DrawCell(PixelImage& image, const DotMatrix& dots, int left, int width, int height, int scale,
              DisplayLook look) {
    const Rgb ink = RgbOf(look.ink);
    const Rgb paper = RgbOf(look.paper);
    const std::size_t span = static_cast<std::size_t>(width * scale * 3);
    for (int row = 0; row < height; ++row) {
        const int top = row * scale;
        for (int column = 0; column < width; ++column) {
            const Rgb colour = dots[static_cast<std::size_t>(DotIndex(row, column))] ? ink : paper;
            for (int x = 0; x < scale; ++x) {
                Put(image, left + column * scale + x, top, colour);
            }
        }
        const std::uint8_t* first = image.pixels.data() + image.Offset(left, top);
        for (int y = 1; y < scale; ++y) {
            std::copy_n(first, span, image.pixels.data() + image.Offset(left, top + y));
        }
    }
}

void DrawFrame(PixelImage& image, int left, int cellWidth, int cellHeight, DisplayLook look) {
    const Rgb frame = RgbOf(FrameColour(look));
    for (int x = left; x < left + cellWidth; ++x) {
        Put(image, x, 0, frame);
        Put(image, x, cellHeight - 1, frame);
    }
    for (int y = 0; y < cellHeight; ++y) {
        Put(image, left, y, frame);
        Put(image, left + cellWidth - 1, y, frame);
    }
}

void Fill(PixelImage& image, Colour colour) {
    const Rgb rgb = RgbOf(colour);
    for (std::size_t at = 0; at < image.pixels.size(); at += 3) {
        image.pixels[at] = rgb.red;
        image.pixels[at + 1] = rgb.green;
        image.pixels[at + 2] = rgb.blue;
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
    image.channels = 3;
    image.width = cellWidth * std::max<int>(static_cast<int>(codes.size()), 1);
    image.height = params.CellHeight * scale;
    image.pixels.resize(image.Offset(0, image.height));
    Fill(image, look.paper);
    for (std::size_t at = 0; at < codes.size(); ++at) {
        const int left = static_cast<int>(at) * cellWidth;
        if (!codes[at] || !CharShown(params, font, *codes[at])) {
            DrawFrame(image, left, cellWidth, image.height, look);
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
