#include "model/glyph_packing.h"

#include <algorithm>
#include <cstddef>

namespace pixmora {

bool GlyphDot(std::span<const std::uint8_t> glyph, int scan, int width, int row, int column) {
    const BitPlace place = DotBitPlace(scan, width, row, column);
    return (glyph[static_cast<std::size_t>(place.byte)] >> place.bit) & 1U;
}

void SetGlyphDot(std::span<std::uint8_t> glyph, int scan, int width, int row, int column,
                 bool lit) {
    const BitPlace place = DotBitPlace(scan, width, row, column);
    auto& byte = glyph[static_cast<std::size_t>(place.byte)];
    const auto mask = static_cast<std::uint8_t>(1U << place.bit);
    byte = lit ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

DotMatrix UnpackGlyph(std::span<const std::uint8_t> glyph, int scan, int width, int height) {
    DotMatrix dots{};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            dots[DotIndex(row, column)] = GlyphDot(glyph, scan, width, row, column) ? 1 : 0;
        }
    }
    return dots;
}

void PackMatrix(const DotMatrix& dots, std::span<std::uint8_t> glyph, int scan, int width,
                int height) {
    std::fill_n(glyph.begin(), width * height / 8, std::uint8_t{0});
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (dots[DotIndex(row, column)] != 0) {
                SetGlyphDot(glyph, scan, width, row, column, true);
            }
        }
    }
}

std::span<const std::uint8_t> CharGlyph(std::span<const std::uint8_t> image, int index,
                                        int bytesPerChar) {
    return image.subspan(static_cast<std::size_t>(index * bytesPerChar),
                         static_cast<std::size_t>(bytesPerChar));
}

bool GlyphHasDots(std::span<const std::uint8_t> glyph) {
    return std::any_of(glyph.begin(), glyph.end(), [](std::uint8_t byte) { return byte != 0; });
}

void SetGridDot(FontModel& font, int dot, bool lit) {
    font.DotGrid[dot] = lit ? kLit : kDark;
    font.DotColour[dot] = lit ? InkOnBackground(font.DotBackColor[dot]) : font.DotBackColor[dot];
}

void ShowGlyph(FontModel& font, int start, int count, int width, int scan) {
    const std::span<const std::uint8_t> glyph(font.FontImage.data() + start,
                                              static_cast<std::size_t>(count));
    const int height = count * 8 / width;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            SetGridDot(font, DotIndex(row, column), GlyphDot(glyph, scan, width, row, column));
        }
    }
}

void ShowCurrentChar(FontModel& font, const FontParams& params) {
    ShowGlyph(font, font.CurrentCharOffset, params.BytesPerChar, params.CellWidth,
              params.FontByteScan);
}

void PackDot(FontModel& font, const FontParams& params, int dotIndex) {
    const std::span<std::uint8_t> glyph(font.FontImage.data() + font.CurrentCharOffset,
                                        static_cast<std::size_t>(params.BytesPerChar));
    SetGlyphDot(glyph, params.FontByteScan, params.CellWidth, DotRow(dotIndex), DotColumn(dotIndex),
                font.DotGrid[dotIndex] == kLit);
}

void PackGlyph(FontModel& font, int start, int width, int height, int scan) {
    DotMatrix dots{};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int dot = DotIndex(row, column);
            dots[dot] = font.DotGrid[dot] == kLit ? 1 : 0;
        }
    }
    const std::span<std::uint8_t> glyph(font.FontImage.data() + start,
                                        static_cast<std::size_t>(width * height / 8));
    PackMatrix(dots, glyph, scan, width, height);
}

}  // namespace pixmora
