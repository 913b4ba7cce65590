#include "model_builder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "io/byte_notation.h"
#include "transform/line_mapping.h"

namespace models {

namespace {

bool IsCapitalOrDigit(char32_t code) {
    return code != U' ' && code != U'%' && code != U'&' && code != U'/';
}

bool Fits(const DotMatrix& glyph, const CellFormat& cell) {
    return glyph.width <= cell.areaWidth() && glyph.height <= cell.areaHeight();
}

std::string CodeName(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

// Cyrillic capitals that look exactly like a Latin one.
char32_t LatinTwin(char32_t code) {
    return code == U'\u0410' ? U'A' : code == U'\u0412' ? U'B' : 0;
}

constexpr float kSizeStep = 1.0f;  // hinted TrueType outlines snap to whole pixel sizes anyway

// Draws an outline sign at the font's size, or at the largest smaller size at which it fits.
DotMatrix RenderFitting(Font& font, char32_t code, const CellFormat& cell, float& size) {
    for (size = font.pixelSize(); size >= 1.0f; size -= kSizeStep) {
        font.setPixelSize(size);
        DotMatrix glyph = font.render(code);
        if (Fits(glyph, cell)) {
            return glyph;
        }
    }
    throw RenderError(CodeName(code) + " of " + font.source().path + " fits no size");
}

}  // namespace

float FitPixelSize(Font& font, const CellFormat& cell) {
    const int height = static_cast<int>(
        std::lround(font.source().heightShare * static_cast<float>(cell.areaHeight())));
    for (float size = 4.0f * static_cast<float>(cell.height); size >= 1.0f; size -= kSizeStep) {
        font.setPixelSize(size);
        bool fits = true;
        for (char32_t code : kTestChars) {
            if (!IsCapitalOrDigit(code) || !font.hasChar(code)) {
                continue;
            }
            const DotMatrix glyph = font.render(code);
            if (glyph.width > cell.areaWidth() || glyph.height > height) {
                fits = false;
                break;
            }
        }
        if (fits) {
            return size;
        }
    }
    throw RenderError("the capitals of " + font.source().path + " fit no size");
}

namespace {

BuiltRow DrawRow(const FreeTypeLibrary& library, const CellFormat& cell, const ModelRow& row) {
    std::vector<std::unique_ptr<Font>> fonts;
    std::vector<float> sizes;
    for (const FontSource& source : row.fonts) {
        fonts.push_back(std::make_unique<Font>(library, source));
        sizes.push_back(source.rendering == Rendering::Outline ? FitPixelSize(*fonts.back(), cell)
                                                               : 0.0f);
    }
    BuiltRow built;
    for (std::size_t slot = 0; slot < kTestChars.size(); ++slot) {
        const char32_t code = kTestChars[slot];
        if (code == U' ') {
            built.cells[slot] = DotMatrix(cell.width, cell.height);
            continue;
        }
        std::string missing;
        for (std::size_t which = 0; which < fonts.size() && built.origins[slot].path.empty();
             ++which) {
            Font& font = *fonts[which];
            const char32_t drawn = font.hasChar(code) ? code : LatinTwin(code);
            if (drawn == 0 || !font.hasChar(drawn)) {
                continue;
            }
            float size = 0.0f;
            DotMatrix glyph;
            if (font.source().rendering == Rendering::Outline) {
                font.setPixelSize(sizes[which]);
                glyph = RenderFitting(font, drawn, cell, size);
            } else {
                glyph = font.render(drawn);
            }
            if (glyph.blank()) {
                missing += " blank in " + font.source().path + ";";
            } else if (!Fits(glyph, cell)) {
                missing.append(" ")
                    .append(std::to_string(glyph.width))
                    .append(" x ")
                    .append(std::to_string(glyph.height))
                    .append(" in ")
                    .append(font.source().path)
                    .append(";");
            } else {
                built.cells[slot] = AlignBottomLeft(glyph, cell);
                built.origins[slot] = GlyphOrigin{font.source().path, drawn, size};
            }
        }
        if (built.origins[slot].path.empty()) {
            throw RenderError("row \"" + row.style + "\" of " + std::to_string(cell.width) + " x " +
                              std::to_string(cell.height) + ": no font draws " + CodeName(code) +
                              " inside the " + std::to_string(cell.areaWidth()) + " x " +
                              std::to_string(cell.areaHeight()) + " drawing area;" + missing);
        }
    }
    return built;
}

}  // namespace

DotMatrix EnlargeCell(const DotMatrix& small, const CellFormat& cell) {
    const pixmora::LineMapping columns = pixmora::MapLines(small.width, cell.width);
    const pixmora::LineMapping rows = pixmora::MapLines(small.height, cell.height);
    DotMatrix enlarged(cell.width, cell.height);
    for (int y = 0; y < cell.height; ++y) {
        for (int x = 0; x < cell.width; ++x) {
            enlarged.at(x, y) =
                small.at(pixmora::SourceLine(columns, x), pixmora::SourceLine(rows, y));
        }
    }
    return enlarged;
}

BuiltRow BuildRow(const FreeTypeLibrary& library, const CellFormat& cell, const ModelRow& row) {
    if (!row.enlarged) {
        return DrawRow(library, cell, row);
    }
    const CellFormat& small = row.enlarged->from;
    const int shift = row.enlarged->firstColumn;
    BuiltRow built = DrawRow(library, small, row);
    for (std::size_t slot = 0; slot < built.cells.size(); ++slot) {
        DotMatrix placed(small.width, small.height);
        for (int y = 0; y < small.height; ++y) {
            for (int x = 0; x + shift < small.width; ++x) {
                placed.at(x + shift, y) = built.cells[slot].at(x, y);
            }
        }
        const auto lit = [](const DotMatrix& glyph) {
            return std::count(glyph.dots.begin(), glyph.dots.end(), std::uint8_t{1});
        };
        if (lit(placed) != lit(built.cells[slot])) {
            throw RenderError("row \"" + row.style + "\": " + CodeName(kTestChars[slot]) +
                              " does not fit from column " + std::to_string(shift));
        }
        built.cells[slot] = AlignBottomLeft(EnlargeCell(placed, cell), cell);
    }
    return built;
}

DotMatrix AlignBottomLeft(const DotMatrix& glyph, const CellFormat& cell) {
    const DotMatrix ink = glyph.cropped();
    DotMatrix result(cell.width, cell.height);
    const int top = cell.height - ink.height;
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x) {
            result.at(x, top + y) = ink.at(x, y);
        }
    }
    return result;
}

std::vector<std::uint8_t> PackVertical1(const DotMatrix& cell) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(cell.width * cell.height / 8), 0);
    for (int r = 0; r < cell.height; ++r) {
        for (int c = 0; c < cell.width; ++c) {
            if (cell.at(c, r)) {
                bytes[static_cast<std::size_t>((r / 8) * cell.width + c)] |=
                    static_cast<std::uint8_t>(1u << (r % 8));
            }
        }
    }
    return bytes;
}

DotMatrix UnpackVertical1(const std::uint8_t* bytes, const CellFormat& format) {
    DotMatrix cell(format.width, format.height);
    for (int r = 0; r < format.height; ++r) {
        for (int c = 0; c < format.width; ++c) {
            cell.at(c, r) = (bytes[(r / 8) * format.width + c] >> (r % 8)) & 1u;
        }
    }
    return cell;
}

std::vector<std::string> CheckModel(const std::vector<std::uint8_t>& bytes, const CellFormat& cell,
                                    const std::array<bool, kRowsPerModel>& enlargedRows) {
    std::vector<std::string> faults;
    const std::size_t glyphs = kRowsPerModel * kTestChars.size();
    const auto perGlyph = static_cast<std::size_t>(cell.bytesPerChar());
    if (bytes.size() != glyphs * perGlyph) {
        faults.push_back(std::to_string(bytes.size()) + " bytes instead of " +
                         std::to_string(glyphs * perGlyph));
        return faults;
    }
    for (std::size_t slot = 0; slot < glyphs; ++slot) {
        const DotMatrix glyph = UnpackVertical1(bytes.data() + slot * perGlyph, cell);
        const bool space = kTestChars[slot % kTestChars.size()] == U' ';
        const std::string name = "slot " + std::to_string(slot);
        if (space) {
            if (!glyph.blank()) {
                faults.push_back(name + " (blank) has lit dots");
            }
            continue;
        }
        if (glyph.blank()) {
            faults.push_back(name + " is blank, so it would match every blank character");
            continue;
        }
        bool left = false, bottom = false;
        for (int y = 0; y < cell.height; ++y) {
            left = left || glyph.at(0, y);
        }
        for (int x = 0; x < cell.width; ++x) {
            bottom = bottom || glyph.at(x, cell.height - 1);
        }
        if (!left || !bottom) {
            faults.push_back(name + " is not in the bottom-left corner");
        }
        const DotMatrix ink = glyph.cropped();
        if (!enlargedRows[slot / kTestChars.size()] &&
            (ink.width > cell.areaWidth() || ink.height > cell.areaHeight())) {
            faults.push_back(name + " is larger than the drawing area");
        }
    }
    return faults;
}

std::string ModelFileText(const std::vector<std::uint8_t>& bytes, const CellFormat& cell) {
    const auto perLine = static_cast<std::size_t>(pixmora::ValuesPerLine(cell.bytesPerChar()));
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char value[8];
        std::snprintf(value, sizeof value, "&h%02X", static_cast<unsigned>(bytes[i]));
        text += (i % perLine == 0 ? "Data " : ",");
        text += value;
        if (i % perLine == perLine - 1 || i + 1 == bytes.size()) {
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace models
