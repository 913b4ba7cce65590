#include "io/c_header_writer.h"

#include <algorithm>

#include "io/byte_notation.h"
#include "io/font_writer.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr std::size_t kValuesPerLine = 16;
constexpr std::string_view kIndent = "    ";

void AppendMacro(std::string& text, const std::string& prefix, std::string_view field,
                 std::string_view value) {
    AppendLine(text, {"#define ", prefix, "_", field, " ", value});
}

}  // namespace

void AppendArtLines(std::string& text, const FirmwareFont& font, int index) {
    const DotMatrix dots = DrawnDots(font, index);
    for (int row = 0; row < font.height; ++row) {
        text += kIndent;
        text += "/* ";
        for (int column = 0; column < font.width; ++column) {
            text += dots[DotIndex(row, column)] != 0 ? '#' : '.';
        }
        AppendLine(text, {" */"});
    }
}

void AppendProgmemFallback(std::string& text) {
    AppendLine(text, {"#ifdef __AVR__"});
    AppendLine(text, {"#include <avr/pgmspace.h>"});
    AppendLine(text, {"#endif"});
    AppendLine(text, {"#ifndef PROGMEM"});
    AppendLine(text, {"#define PROGMEM"});
    AppendLine(text, {"#endif"});
}

void AppendByteLines(std::string& text, std::span<const std::uint8_t> bytes) {
    for (std::size_t start = 0; start < bytes.size(); start += kValuesPerLine) {
        text += kIndent;
        const std::size_t end = std::min(bytes.size(), start + kValuesPerLine);
        for (std::size_t i = start; i < end; ++i) {
            AppendByteValue(text, bytes[i], NumberNotation::ZeroX);
            text += i + 1 < end ? ", " : ",";
        }
        text += kLineEnd;
    }
}

std::string CHeaderText(const FirmwareFont& font, const CHeaderOptions& options) {
    const std::string prefix = MacroPrefix(options.name);
    const int count = CharCountOf(font);
    std::string text;
    // "0xNN, " a byte, a comment a character, and with art a line a row.
    const std::size_t artBytes =
        options.art ? static_cast<std::size_t>(count * font.height * (font.width + 12)) : 0;
    text.reserve(font.bytes.size() * 6 + static_cast<std::size_t>(count) * 32 + artBytes + 1024);
    AppendLine(text, {"/* Font ", std::to_string(font.width), " x ", std::to_string(font.height),
                      ", written by Pixmora. */"});
    AppendLine(text, {"#ifndef ", prefix, "_H"});
    AppendLine(text, {"#define ", prefix, "_H"});
    AppendLine(text, {""});
    AppendLine(text, {"#include <stdint.h>"});
    AppendMacro(text, prefix, "WIDTH", std::to_string(font.width));
    AppendMacro(text, prefix, "HEIGHT", std::to_string(font.height));
    AppendMacro(text, prefix, "BYTES_PER_CHAR", std::to_string(font.bytesPerChar));
    AppendMacro(text, prefix, "FIRST_CODE", std::to_string(font.firstCode));
    AppendMacro(text, prefix, "COUNT", std::to_string(count));
    AppendMacro(text, prefix, "SCAN", Concat({"\"", ScanShortName(font.scan), "\""}));
    AppendMacro(text, prefix, "NEGATIVE", font.negative ? "1" : "0");
    AppendLine(text, {""});
    if (options.placement == FlashPlacement::Progmem) {
        AppendProgmemFallback(text);
        AppendLine(text, {""});
    }
    std::string declaration = Concat(
        {"static const uint8_t ", options.name, "[", std::to_string(font.bytes.size()), "]"});
    if (options.placement != FlashPlacement::None) {
        declaration += " ";
        declaration += PlacementAttribute(options.placement);
    }
    AppendLine(text, {declaration, " = {"});
    for (int index = 0; index < count; ++index) {
        AppendLine(text, {kIndent, "/* ", CharComment(font.firstCode + index), " */"});
        if (options.art) {
            AppendArtLines(text, font, index);
        }
        AppendByteLines(text, CharGlyph(font.bytes, index, font.bytesPerChar));
    }
    AppendLine(text, {"};"});
    AppendLine(text, {""});
    AppendLine(text, {"#endif"});
    return text;
}

}  // namespace pixmora
