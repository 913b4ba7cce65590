#include "io/model_glyphs.h"

#include <algorithm>
#include <cstddef>

namespace pixmora {

namespace {

bool RowLit(const DotMatrix& dots, int row, int width) {
    const auto* first = dots.data() + DotIndex(row, 0);
    return std::any_of(first, first + width, [](std::uint8_t dot) { return dot != 0; });
}

bool ColumnLit(const DotMatrix& dots, int column, int height) {
    for (int row = 0; row < height; ++row) {
        if (dots[DotIndex(row, column)] != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

void AlignBottomLeft(DotMatrix& dots, int width, int height) {
    int lowest = -1;
    for (int row = height - 1; row >= 0 && lowest < 0; --row) {
        if (RowLit(dots, row, width)) {
            lowest = row;
        }
    }
    if (lowest < 0) {
        return;
    }
    int leftmost = 0;
    while (!ColumnLit(dots, leftmost, height)) {
        ++leftmost;
    }
    const int down = height - 1 - lowest;
    if (down == 0 && leftmost == 0) {
        return;
    }
    DotMatrix moved{};
    for (int row = down; row < height; ++row) {
        for (int column = 0; column + leftmost < width; ++column) {
            moved[DotIndex(row, column)] = dots[DotIndex(row - down, column + leftmost)];
        }
    }
    dots = moved;
}

void AlignModelGlyph(std::span<std::uint8_t> glyph, int width, int height) {
    DotMatrix dots = UnpackGlyph(glyph, kScanVertical1, width, height);
    AlignBottomLeft(dots, width, height);
    PackMatrix(dots, glyph, kScanVertical1, width, height);
}

std::array<std::uint8_t, kMaxBytesPerChar> GlyphAt(std::span<const std::uint8_t> bytes, int index,
                                                   int bytesPerChar) {
    std::array<std::uint8_t, kMaxBytesPerChar> glyph{};
    const auto start = static_cast<std::size_t>(index) * static_cast<std::size_t>(bytesPerChar);
    if (start < bytes.size()) {
        const auto count = std::min(bytes.size() - start, static_cast<std::size_t>(bytesPerChar));
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(start), count, glyph.begin());
    }
    return glyph;
}

DotMatrix UnpackModelGlyph(std::span<const std::uint8_t> model, int slot, int width,
                           int bytesPerChar) {
    const auto glyph = GlyphAt(model, slot, bytesPerChar);
    return UnpackGlyph({glyph.data(), static_cast<std::size_t>(bytesPerChar)}, kScanVertical1,
                       width, bytesPerChar * 8 / width);
}

}  // namespace pixmora
