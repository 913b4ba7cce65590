// Model files and fonts made up inside a test: random reference glyphs, and fonts whose test
// characters are drawn exactly like one row of them.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "import/recognition.h"
#include "io/model_glyphs.h"
#include "model/formats.h"

namespace pixmora::test {

using Bytes = std::vector<std::uint8_t>;

inline const CellFormat& FormatAt(int formatIndex) {
    return kCellFormats[static_cast<std::size_t>(formatIndex)];
}

// 64 aligned glyphs of random dots; the blank (position 0 of every row) stays blank.
inline Bytes RandomModel(std::mt19937& random, int formatIndex) {
    const CellFormat& format = FormatAt(formatIndex);
    const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
    Bytes model(kModelGlyphs * bpc);
    std::bernoulli_distribution lit(0.4);
    for (int slot = 0; slot < kModelGlyphs; ++slot) {
        if (slot % kModelRowLength == 0) {
            continue;
        }
        DotMatrix dots{};
        for (int row = 0; row < format.height; ++row) {
            for (int column = 0; column < format.width; ++column) {
                dots[DotIndex(row, column)] = lit(random) ? 1 : 0;
            }
        }
        AlignBottomLeft(dots, format.width, format.height);
        PackMatrix(dots, std::span(model).subspan(static_cast<std::size_t>(slot) * bpc, bpc),
                   kScanVertical1, format.width, format.height);
    }
    return model;
}

// Places a dot matrix as character `index` of the font bytes, packed in the scan, inverted when
// negative.
inline void PutGlyph(Bytes& font, const DotMatrix& dots, int index, int formatIndex, int scan,
                     bool negative) {
    const CellFormat& format = FormatAt(formatIndex);
    const auto bpc = static_cast<std::size_t>(format.bytesPerChar);
    auto glyph = std::span(font).subspan(static_cast<std::size_t>(index) * bpc, bpc);
    PackMatrix(dots, glyph, scan, format.width, format.height);
    if (negative) {
        for (auto& byte : glyph) {
            byte = static_cast<std::uint8_t>(255 - byte);
        }
    }
}

// A whole font of `chars` characters whose test characters are row `version` of the model and
// whose other characters are blank.
inline Bytes FontFromModel(const Bytes& model, int formatIndex, int version, int scan,
                           bool negative, int chars = 224) {
    const CellFormat& format = FormatAt(formatIndex);
    Bytes font(static_cast<std::size_t>(chars * format.bytesPerChar));
    for (int index = 0; index < chars; ++index) {
        PutGlyph(font, DotMatrix{}, index, formatIndex, scan, negative);
    }
    for (int position = 0; position < kModelRowLength; ++position) {
        const int index = kModelRowChars[static_cast<std::size_t>(position)];
        if (index < chars) {
            const DotMatrix dots = UnpackModelGlyph(model, position + kModelRowLength * version,
                                                    format.width, format.bytesPerChar);
            PutGlyph(font, dots, index, formatIndex, scan, negative);
        }
    }
    return font;
}

inline std::array<std::span<const std::uint8_t>, kFormatCount> Spans(
    const std::array<Bytes, kFormatCount>& models) {
    std::array<std::span<const std::uint8_t>, kFormatCount> spans;
    for (std::size_t n = 0; n < spans.size(); ++n) {
        spans[n] = models[n];
    }
    return spans;
}

inline std::array<Bytes, kFormatCount> RandomModels(std::mt19937& random) {
    std::array<Bytes, kFormatCount> models;
    for (int n = 0; n < kFormatCount; ++n) {
        models[static_cast<std::size_t>(n)] = RandomModel(random, n);
    }
    return models;
}

}  // namespace pixmora::test
