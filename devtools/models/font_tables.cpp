#include "font_tables.h"

#include <algorithm>
#include <array>
#include <span>

#include "import/recognition.h"
#include "model/glyph_packing.h"
#include "transform/font_conversion.h"

namespace models {

namespace {

// Unicode of the Windows-1251 codes 0x80..0xBF; 0x98 is not assigned. 0xC0..0xFF are А..я.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

// 0 where the code page has no character (and for DEL).
char32_t UnicodeOf(int code) {
    if (code < 0x7F) {
        return static_cast<char32_t>(code);
    }
    if (code == 0x7F) {
        return 0;
    }
    if (code < 0xC0) {
        return kUpperHalf[static_cast<std::size_t>(code - 0x80)];
    }
    return static_cast<char32_t>(0x0410 + code - 0xC0);
}

// Capitals without accents and digits: what a font's capital height is measured on.
bool IsCapitalOrDigit(char32_t code) {
    constexpr char32_t kShortI = 0x0419;  // Й carries a breve above the capital height
    return (code >= U'A' && code <= U'Z') || (code >= U'0' && code <= U'9') ||
           (code >= 0x0410 && code <= 0x042F && code != kShortI);
}

bool IsTestChar(int charIndex) {
    const auto& chars = pixmora::kModelRowChars;
    return std::find(chars.begin(), chars.end(), charIndex) != chars.end();
}

}  // namespace

DrawnFont DrawFont(const FreeTypeLibrary& library, const FontSource& source,
                   const CellFormat& cell) {
    Font font(library, source);
    DrawnFont drawn;
    if (source.rendering == Rendering::Outline) {
        drawn.pixelSize = FitPixelSize(font, cell);
        font.setPixelSize(drawn.pixelSize);
    }
    std::vector<PlacedGlyph> glyphs(kCharCount);
    std::vector<bool> present(kCharCount, false);
    int minLeft = 1 << 20, descent = 0, capitalTop = 0;
    for (int k = 0; k < kCharCount; ++k) {
        const char32_t code = UnicodeOf(k + kFirstCode);
        if (code == 0 || code == U' ' || code == 0xA0 || !font.hasChar(code)) {
            continue;
        }
        glyphs[static_cast<std::size_t>(k)] = font.place(code);
        const PlacedGlyph& glyph = glyphs[static_cast<std::size_t>(k)];
        if (glyph.dots.blank()) {
            continue;
        }
        present[static_cast<std::size_t>(k)] = true;
        drawn.cyrillic = drawn.cyrillic || code == 0x0411;
        minLeft = std::min(minLeft, glyph.left);
        descent = std::max(descent, glyph.dots.height - glyph.top);
        if (IsCapitalOrDigit(code)) {
            capitalTop = std::max(capitalTop, glyph.top);
        }
    }
    const int areaWidth = cell.areaWidth(), areaHeight = cell.areaHeight();
    const int baseline = capitalTop + descent <= areaHeight ? areaHeight - descent
                                                            : std::min(capitalTop, areaHeight);
    drawn.cells.assign(kCharCount, DotMatrix(cell.width, cell.height));
    for (int k = 0; k < kCharCount; ++k) {
        if (!present[static_cast<std::size_t>(k)]) {
            continue;
        }
        const PlacedGlyph& glyph = glyphs[static_cast<std::size_t>(k)];
        int x0 = glyph.left - minLeft;
        if (x0 + glyph.dots.width > areaWidth) {
            x0 = std::max(0, areaWidth - glyph.dots.width);
        }
        const int y0 = baseline - glyph.top;
        bool clipped = false;
        for (int y = 0; y < glyph.dots.height; ++y) {
            for (int x = 0; x < glyph.dots.width; ++x) {
                if (glyph.dots.at(x, y) == 0) {
                    continue;
                }
                const int cx = x0 + x, cy = y0 + y;
                if (cx < 0 || cx >= areaWidth || cy < 0 || cy >= areaHeight) {
                    clipped = true;
                } else {
                    drawn.cells[static_cast<std::size_t>(k)].at(cx, cy) = 1;
                }
            }
        }
        drawn.clippedTests += clipped && IsTestChar(k) ? 1 : 0;
    }
    return drawn;
}

const char* TableKindName(TableKind kind) {
    switch (kind) {
        case TableKind::Whole:
            return "whole";
        case TableKind::Digits:
            return "digits 0..9";
        case TableKind::SignsAndDigits:
            return "codes 32..63";
        case TableKind::Ascii:
            return "codes 32..126";
    }
    return "";
}

DrawnFont KeepOnly(const DrawnFont& drawn, TableKind kind) {
    const auto kept = [kind](int code) {
        switch (kind) {
            case TableKind::Whole:
                return true;
            case TableKind::Digits:
                return code >= '0' && code <= '9';
            case TableKind::SignsAndDigits:
                return code <= 63;
            case TableKind::Ascii:
                return code <= 126;
        }
        return false;
    };
    DrawnFont table = drawn;
    for (int k = 0; k < kCharCount; ++k) {
        if (!kept(k + kFirstCode)) {
            auto& cell = table.cells[static_cast<std::size_t>(k)];
            std::fill(cell.dots.begin(), cell.dots.end(), std::uint8_t{0});
        }
    }
    table.cyrillic = table.cyrillic && kind == TableKind::Whole;
    return table;
}

std::vector<std::uint8_t> PackFont(const DrawnFont& drawn, const pixmora::CellFormat& format,
                                   int scan, bool negative) {
    const auto perChar = static_cast<std::size_t>(format.bytesPerChar);
    std::vector<std::uint8_t> bytes(perChar * kCharCount, 0);
    for (std::size_t k = 0; k < kCharCount; ++k) {
        pixmora::DotMatrix dots{};
        const DotMatrix& cell = drawn.cells[k];
        for (int y = 0; y < format.height; ++y) {
            for (int x = 0; x < format.width; ++x) {
                dots[static_cast<std::size_t>(pixmora::DotIndex(y, x))] = cell.at(x, y);
            }
        }
        pixmora::PackMatrix(dots, std::span(bytes).subspan(k * perChar, perChar), scan,
                            format.width, format.height);
    }
    if (negative) {
        for (std::uint8_t& byte : bytes) {
            byte = static_cast<std::uint8_t>(255 - byte);
        }
    }
    return bytes;
}

std::vector<std::uint8_t> EnlargeFont(const std::vector<std::uint8_t>& bytes,
                                      const pixmora::CellFormat& from,
                                      const pixmora::CellFormat& to, int scan) {
    const auto fromSize = static_cast<std::size_t>(from.bytesPerChar);
    const auto toSize = static_cast<std::size_t>(to.bytesPerChar);
    std::vector<std::uint8_t> enlarged(toSize * kCharCount);
    for (std::size_t k = 0; k < kCharCount; ++k) {
        pixmora::EnlargeGlyph(std::span(bytes).subspan(k * fromSize, fromSize),
                              std::span(enlarged).subspan(k * toSize, toSize), scan, from.width,
                              from.height, to.width, to.height);
    }
    return enlarged;
}

DrawnFont MovedRight(const DrawnFont& drawn) {
    DrawnFont moved = drawn;
    for (DotMatrix& cell : moved.cells) {
        for (int y = 0; y < cell.height; ++y) {
            for (int x = cell.width - 1; x >= 0; --x) {
                cell.at(x, y) = x > 0 ? cell.at(x - 1, y) : 0;
            }
        }
    }
    return moved;
}

}  // namespace models
