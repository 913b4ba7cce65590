#include "import/glyph_rows.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdlib>

#include "model/formats.h"

namespace pixmora {

namespace {

constexpr std::array<std::uint8_t, 256> kReversedBytes = [] {
    std::array<std::uint8_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        int reversed = 0;
        for (int bit = 0; bit < 8; ++bit) {
            reversed |= ((value >> bit) & 1) << (7 - bit);
        }
        table[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(reversed);
    }
    return table;
}();

constexpr std::uint64_t WidthMask(int width) {
    return width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
}

// Bit 8i + j of x moves to bit 8j + i: eight bytes of column dots become eight bytes of row dots.
constexpr std::uint64_t Transpose8x8(std::uint64_t x) {
    x = (x & 0xAA55AA55AA55AA55U) | ((x & 0x00AA00AA00AA00AAU) << 7) |
        ((x >> 7) & 0x00AA00AA00AA00AAU);
    x = (x & 0xCCCC3333CCCC3333U) | ((x & 0x0000CCCC0000CCCCU) << 14) |
        ((x >> 14) & 0x0000CCCC0000CCCCU);
    return (x & 0xF0F0F0F00F0F0F0FU) | ((x & 0x00000000F0F0F0F0U) << 28) |
           ((x >> 28) & 0x00000000F0F0F0F0U);
}

// Each byte is one column of a band of 8 rows; "вертикально 2" holds the top row in bit 7. Eight
// columns at a time are turned into eight row pieces.
void VerticalRows(std::span<const std::uint8_t> glyph, bool topInBit7, int width, int height,
                  GlyphRows& out) {
    for (int band = 0; band < height / 8; ++band) {
        auto* rows = out.rows.data() + static_cast<std::ptrdiff_t>(band) * 8;
        for (int column = 0; column < width; column += 8) {
            std::uint64_t columns = 0;
            for (int k = 0; k < 8 && column + k < width; ++k) {
                const auto index = static_cast<std::size_t>(band * width + column + k);
                if (index < glyph.size()) {
                    columns |= static_cast<std::uint64_t>(glyph[index]) << (8 * k);
                }
            }
            const std::uint64_t pieces = Transpose8x8(columns);
            for (int bit = 0; bit < 8; ++bit) {
                const int row = topInBit7 ? 7 - bit : bit;
                rows[row] |= ((pieces >> (8 * bit)) & 0xFF) << column;
            }
        }
    }
}

// Each row is width / 8 bytes, left to right; "горизонтально 1" holds the left dot in bit 7.
void HorizontalRows(std::span<const std::uint8_t> glyph, bool leftInBit7, int width, int height,
                    GlyphRows& out) {
    const int perRow = width / 8;
    for (int row = 0; row < height; ++row) {
        std::uint64_t mask = 0;
        for (int k = 0; k < perRow; ++k) {
            const auto index = static_cast<std::size_t>(row * perRow + k);
            std::uint8_t byte = index < glyph.size() ? glyph[index] : 0;
            if (leftInBit7) {
                byte = kReversedBytes[byte];
            }
            mask |= static_cast<std::uint64_t>(byte) << (8 * k);
        }
        out.rows[static_cast<std::size_t>(row)] = mask;
    }
}

// std::popcount without a popcount instruction in the target is a library call; the same count
// in a few shifts and masks stays inline.
constexpr int CountBits(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555U;
    x = (x & 0x3333333333333333U) + ((x >> 2) & 0x3333333333333333U);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FU;
    return static_cast<int>((x * 0x0101010101010101U) >> 56);
}

int CountLit(const GlyphRows& glyph, int height) {
    int lit = 0;
    for (int row = 0; row < height; ++row) {
        lit += CountBits(glyph.rows[static_cast<std::size_t>(row)]);
    }
    return lit;
}

}  // namespace

GlyphRows RowsOfGlyph(std::span<const std::uint8_t> glyph, int scan, int width, int height,
                      bool negative) {
    GlyphRows out;
    if (IsVerticalScan(scan)) {
        VerticalRows(glyph, scan == kScanVertical2, width, height, out);
    } else {
        HorizontalRows(glyph, scan == kScanHorizontal1, width, height, out);
    }
    out.lit = CountLit(out, height);
    return negative ? InvertedRows(out, width, height) : out;
}

GlyphRows InvertedRows(const GlyphRows& glyph, int width, int height) {
    GlyphRows out;
    const std::uint64_t cell = WidthMask(width);
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        out.rows[row] = glyph.rows[row] ^ cell;
    }
    out.lit = width * height - glyph.lit;
    return out;
}

void AlignRows(GlyphRows& glyph, int height) {
    if (glyph.lit == 0) {
        return;
    }
    int lowest = height - 1;
    while (glyph.rows[static_cast<std::size_t>(lowest)] == 0) {
        --lowest;
    }
    std::uint64_t columns = 0;
    for (int row = 0; row <= lowest; ++row) {
        columns |= glyph.rows[static_cast<std::size_t>(row)];
    }
    const int left = std::countr_zero(columns);
    const int down = height - 1 - lowest;
    if (down == 0 && left == 0) {
        return;
    }
    for (int row = height - 1; row >= 0; --row) {
        const int from = row - down;
        glyph.rows[static_cast<std::size_t>(row)] =
            from >= 0 ? glyph.rows[static_cast<std::size_t>(from)] >> left : 0;
    }
}

namespace {

float MatchOfCounts(int differing, int dataLit, int modelLit, int width, int height) {
    const int cell = width * height;
    const auto same = static_cast<float>(cell - 2 * differing);
    if (same <= 0) {
        return 0;
    }
    if (modelLit == 0 && dataLit == 0) {
        return 1;
    }
    if (dataLit == 0 || (modelLit == 0 && dataLit > 3)) {
        return 0;
    }
    return same / static_cast<float>(cell);
}

}  // namespace

float MatchRows(const GlyphRows& data, const GlyphRows& model, int width, int height) {
    int differing = 0;
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        differing += CountBits(data.rows[row] ^ model.rows[row]);
    }
    return MatchOfCounts(differing, data.lit, model.lit, width, height);
}

float MatchBound(int dataLit, int modelLit, int width, int height) {
    return MatchOfCounts(std::abs(dataLit - modelLit), dataLit, modelLit, width, height);
}

}  // namespace pixmora
