#include "io/gfx_writer.h"

#include <algorithm>
#include <array>
#include <optional>

#include "io/c_header_writer.h"
#include "io/font_writer.h"

namespace pixmora {

namespace {

constexpr std::uint32_t kLargestOffset = 0xFFFF;

struct DotBox {
    int left;
    int top;
    int right;  // one past
    int bottom;
};

// Rows and columns are marked without a branch a dot, so that the loops stay fast on any drawing.
std::optional<DotBox> LitBox(const DotMatrix& dots, int width, int height) {
    std::array<std::uint8_t, kGridColumns> litColumns{};
    std::array<std::uint8_t, kGridRows> litRows{};
    for (int row = 0; row < height; ++row) {
        std::uint8_t any = 0;
        for (int column = 0; column < width; ++column) {
            const std::uint8_t dot = dots[static_cast<std::size_t>(DotIndex(row, column))];
            any |= dot;
            litColumns[static_cast<std::size_t>(column)] |= dot;
        }
        litRows[static_cast<std::size_t>(row)] = any;
    }
    const auto first = [](const auto& lit, int count) {
        return static_cast<int>(std::find(lit.begin(), lit.begin() + count, 1) - lit.begin());
    };
    const auto past = [](const auto& lit, int count) {
        int end = count;
        while (end > 0 && lit[static_cast<std::size_t>(end - 1)] == 0) {
            --end;
        }
        return end;
    };
    if (first(litRows, height) == height) {
        return std::nullopt;
    }
    return DotBox{first(litColumns, width), first(litRows, height), past(litColumns, width),
                  past(litRows, height)};
}

// The glyph's dots in its box, row after row, the first in the top bit of the first byte.
std::vector<std::uint8_t> PackedBits(const DotMatrix& dots, const GfxGlyph& glyph) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(glyph.width * glyph.height + 7) / 8);
    int at = 0;
    for (int row = 0; row < glyph.height; ++row) {
        for (int column = 0; column < glyph.width; ++column, ++at) {
            const int dot =
                dots[static_cast<std::size_t>(DotIndex(row + glyph.top, column + glyph.xOffset))];
            bits[static_cast<std::size_t>(at >> 3)] |=
                static_cast<std::uint8_t>(dot << (7 - (at & 7)));
        }
    }
    return bits;
}

void AppendStructs(std::string& text) {
    AppendLine(text, {"#ifndef _GFXFONT_H_"});
    AppendLine(text, {"#define _GFXFONT_H_"});
    AppendLine(text, {"typedef struct {"});
    AppendLine(text, {"    uint16_t bitmapOffset;"});
    AppendLine(text, {"    uint8_t width;"});
    AppendLine(text, {"    uint8_t height;"});
    AppendLine(text, {"    uint8_t xAdvance;"});
    AppendLine(text, {"    int8_t xOffset;"});
    AppendLine(text, {"    int8_t yOffset;"});
    AppendLine(text, {"} GFXglyph;"});
    AppendLine(text, {"typedef struct {"});
    AppendLine(text, {"    uint8_t *bitmap;"});
    AppendLine(text, {"    GFXglyph *glyph;"});
    AppendLine(text, {"    uint16_t first;"});
    AppendLine(text, {"    uint16_t last;"});
    AppendLine(text, {"    uint8_t yAdvance;"});
    AppendLine(text, {"} GFXfont;"});
    AppendLine(text, {"#endif"});
}

}  // namespace

GfxLayout LayOutGfx(const FirmwareFont& font, int baselineRow) {
    GfxLayout layout;
    for (int index = 0; index < CharCountOf(font); ++index) {
        GfxGlyph glyph;
        glyph.bitmapOffset = layout.bitmapBytes;
        if (const std::optional<DotBox> box =
                LitBox(DrawnDots(font, index), font.width, font.height)) {
            glyph.width = box->right - box->left;
            glyph.height = box->bottom - box->top;
            glyph.xOffset = box->left;
            glyph.yOffset = box->top - (baselineRow + 1);
            glyph.top = box->top;
        }
        layout.bitmapBytes += static_cast<std::uint32_t>(glyph.width * glyph.height + 7) / 8;
        layout.glyphs.push_back(glyph);
    }
    return layout;
}

bool GfxOffsetsFit(const GfxLayout& layout) {
    return layout.glyphs.empty() || layout.glyphs.back().bitmapOffset <= kLargestOffset;
}

std::string GfxHeaderText(const FirmwareFont& font, const GfxOptions& options) {
    const GfxLayout layout = LayOutGfx(font, options.baselineRow);
    const std::string guard = Concat({MacroPrefix(options.name), "_GFX_H"});
    std::string text;
    // "0xNN, " a bitmap byte, about 60 characters a glyph's entry and comment.
    text.reserve(layout.bitmapBytes * 6 + layout.glyphs.size() * 60 + 2048);
    AppendLine(text, {"/* Font ", std::to_string(font.width), " x ", std::to_string(font.height),
                      " for Adafruit GFX, written by Pixmora. */"});
    AppendLine(text, {"#ifndef ", guard});
    AppendLine(text, {"#define ", guard});
    AppendLine(text, {""});
    AppendLine(text, {"#include <stdint.h>"});
    if (options.declareStructs) {
        AppendStructs(text);
    } else {
        AppendLine(text, {"#include <gfxfont.h>"});
    }
    AppendProgmemFallback(text);
    AppendLine(text, {""});

    // C has no empty arrays: a font without a lit dot keeps one byte.
    AppendLine(text, {"static const uint8_t ", options.name, "Bitmaps[] PROGMEM = {"});
    if (layout.bitmapBytes == 0) {
        AppendLine(text, {"    0x00,"});
    }
    for (int index = 0; index < CharCountOf(font); ++index) {
        const GfxGlyph& glyph = layout.glyphs[static_cast<std::size_t>(index)];
        if (glyph.width == 0) {
            continue;
        }
        AppendLine(text, {"    /* ", CharComment(font.firstCode + index), " */"});
        AppendByteLines(text, PackedBits(DrawnDots(font, index), glyph));
    }
    AppendLine(text, {"};"});
    AppendLine(text, {""});

    AppendLine(text, {"static const GFXglyph ", options.name, "Glyphs[] PROGMEM = {"});
    const std::string advance = std::to_string(font.width);
    for (int index = 0; index < CharCountOf(font); ++index) {
        const GfxGlyph& glyph = layout.glyphs[static_cast<std::size_t>(index)];
        AppendLine(
            text,
            {"    {", std::to_string(glyph.bitmapOffset), ", ", std::to_string(glyph.width), ", ",
             std::to_string(glyph.height), ", ", advance, ", ", std::to_string(glyph.xOffset), ", ",
             std::to_string(glyph.yOffset), "}, /* ", CharComment(font.firstCode + index), " */"});
    }
    AppendLine(text, {"};"});
    AppendLine(text, {""});

    const int last = font.firstCode + CharCountOf(font) - 1;
    AppendLine(text,
               {"static const GFXfont ", options.name, " PROGMEM = {(uint8_t *)", options.name,
                "Bitmaps, (GFXglyph *)", options.name, "Glyphs, ", std::to_string(font.firstCode),
                ", ", std::to_string(last), ", ", std::to_string(font.height), "};"});
    AppendLine(text, {""});
    AppendLine(text, {"#endif"});
    return text;
}

}  // namespace pixmora
