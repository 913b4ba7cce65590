#include "io/bdf_writer.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "model/code_page.h"

namespace pixmora {

namespace {

// Pixel size equals point size at 72 dpi, so SWIDTH is DWIDTH in thousandths of the pixel size.
constexpr int kResolution = 72;
constexpr char kHexDigits[] = "0123456789ABCDEF";

struct BdfGlyph {
    int index;     // in the font's range
    int encoding;  // the ENCODING value
};

std::vector<BdfGlyph> GlyphsOf(const FirmwareFont& font, BdfEncoding encoding) {
    std::vector<BdfGlyph> glyphs;
    for (int index = 0; index < CharCountOf(font); ++index) {
        const int code = font.firstCode + index;
        if (encoding == BdfEncoding::CodePage) {
            glyphs.push_back({index, code});
        } else if (const std::optional<char32_t> character = UnicodeOfCode(code)) {
            glyphs.push_back({index, static_cast<int>(*character)});
        }
    }
    return glyphs;
}

// BDF tools read lines ending in LF.
void AppendBdfLine(std::string& text, std::initializer_list<std::string_view> parts) {
    AppendLine(text, parts, "\n");
}

std::string Quoted(std::string_view value) {
    return Concat({"\"", value, "\""});
}

std::string GlyphName(int encoding, BdfEncoding kind) {
    char name[16];
    std::snprintf(name, sizeof name, kind == BdfEncoding::Unicode ? "uni%04X" : "char%d",
                  static_cast<unsigned>(encoding));
    return name;
}

// A row of dots as hex digits, leftmost dot in the top bit, padded to whole bytes.
void AppendBitmapRow(std::string& text, const DotMatrix& dots, int width, int row) {
    const int bytesPerRow = (width + 7) / 8;
    for (int byte = 0; byte < bytesPerRow; ++byte) {
        int value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            const int column = byte * 8 + bit;
            if (column < width && dots[DotIndex(row, column)] != 0) {
                value |= 0x80 >> bit;
            }
        }
        text += kHexDigits[value >> 4];
        text += kHexDigits[value & 0x0F];
    }
    text += '\n';
}

}  // namespace

std::string BdfText(const FirmwareFont& font, const BdfOptions& options) {
    const std::vector<BdfGlyph> glyphs = GlyphsOf(font, options.encoding);
    const int ascent = options.baselineRow + 1;
    const int descent = font.height - ascent;
    const bool unicode = options.encoding == BdfEncoding::Unicode;
    const std::string registry = unicode ? "ISO10646" : "MICROSOFT";
    const std::string encodingName = unicode ? "1" : "CP1251";
    const std::string family =
        Concat({"Font", std::to_string(font.width), "x", std::to_string(font.height)});
    const std::string size = std::to_string(font.height);
    const std::string pointSize = std::to_string(font.height * 10);
    const std::string resolution = std::to_string(kResolution);
    const std::string averageWidth = std::to_string(font.width * 10);
    const std::string box =
        Concat({std::to_string(font.width), " ", size, " 0 ", std::to_string(-descent)});

    std::string text;
    // A glyph: its rows of hex digits and about 100 characters of lines around them.
    text.reserve(glyphs.size() *
                     static_cast<std::size_t>(font.height * ((font.width + 7) / 8 * 2 + 1) + 100) +
                 1024);
    AppendBdfLine(text, {"STARTFONT 2.1"});
    AppendBdfLine(
        text, {"FONT -Pixmora-", family, "-Medium-R-Normal--", size, "-", pointSize, "-",
               resolution, "-", resolution, "-C-", averageWidth, "-", registry, "-", encodingName});
    AppendBdfLine(text, {"SIZE ", size, " ", resolution, " ", resolution});
    AppendBdfLine(text, {"FONTBOUNDINGBOX ", box});
    const std::vector<std::string> properties = {
        Concat({"FOUNDRY ", Quoted("Pixmora")}),
        Concat({"FAMILY_NAME ", Quoted(family)}),
        Concat({"WEIGHT_NAME ", Quoted("Medium")}),
        Concat({"SLANT ", Quoted("R")}),
        Concat({"SETWIDTH_NAME ", Quoted("Normal")}),
        Concat({"ADD_STYLE_NAME ", Quoted("")}),
        Concat({"PIXEL_SIZE ", size}),
        Concat({"POINT_SIZE ", pointSize}),
        Concat({"RESOLUTION_X ", resolution}),
        Concat({"RESOLUTION_Y ", resolution}),
        Concat({"SPACING ", Quoted("C")}),
        Concat({"AVERAGE_WIDTH ", averageWidth}),
        Concat({"CHARSET_REGISTRY ", Quoted(registry)}),
        Concat({"CHARSET_ENCODING ", Quoted(encodingName)}),
        Concat({"FONT_ASCENT ", std::to_string(ascent)}),
        Concat({"FONT_DESCENT ", std::to_string(descent)}),
        Concat({"DEFAULT_CHAR ", std::to_string(glyphs.empty() ? 0 : glyphs.front().encoding)}),
        Concat({"PIXMORA_FORMAT ", Quoted(options.formatName)}),
        Concat({"PIXMORA_SCAN ", Quoted(ScanShortName(font.scan))}),
        Concat({"PIXMORA_NEGATIVE ", std::string(font.negative ? "1" : "0")}),
    };
    AppendBdfLine(text, {"STARTPROPERTIES ", std::to_string(properties.size())});
    for (const std::string& property : properties) {
        AppendBdfLine(text, {property});
    }
    AppendBdfLine(text, {"ENDPROPERTIES"});
    AppendBdfLine(text, {"CHARS ", std::to_string(glyphs.size())});
    const std::string swidth =
        Concat({"SWIDTH ", std::to_string(font.width * 1000 / font.height), " 0"});
    const std::string dwidth = Concat({"DWIDTH ", std::to_string(font.width), " 0"});
    for (const BdfGlyph& glyph : glyphs) {
        AppendBdfLine(text, {"STARTCHAR ", GlyphName(glyph.encoding, options.encoding)});
        AppendBdfLine(text, {"ENCODING ", std::to_string(glyph.encoding)});
        AppendBdfLine(text, {swidth});
        AppendBdfLine(text, {dwidth});
        AppendBdfLine(text, {"BBX ", box});
        AppendBdfLine(text, {"BITMAP"});
        const DotMatrix dots = DrawnDots(font, glyph.index);
        for (int row = 0; row < font.height; ++row) {
            AppendBitmapRow(text, dots, font.width, row);
        }
        AppendBdfLine(text, {"ENDCHAR"});
    }
    AppendBdfLine(text, {"ENDFONT"});
    return text;
}

}  // namespace pixmora
