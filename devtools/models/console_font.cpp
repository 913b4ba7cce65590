#include "console_font.h"

#include <zlib.h>

#include "glyph_render.h"

namespace models {

namespace {

std::vector<std::uint8_t> ReadGzipOrPlain(const std::string& path) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw RenderError("cannot open console font " + path);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    int count = 0;
    while ((count = gzread(file, buffer, sizeof buffer)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
    const bool failed = count < 0;
    gzclose(file);
    if (failed) {
        throw RenderError("cannot read console font " + path);
    }
    return bytes;
}

std::uint32_t Little32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Version 1 table: per glyph, 16-bit code points up to 0xFFFF; 0xFFFE starts sequences of
// combining characters, which a single test character never needs.
void ReadTable1(const std::vector<std::uint8_t>& bytes, std::size_t at, int glyphCount,
                ConsoleFont& font) {
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        bool inSequence = false;
        for (;;) {
            if (at + 2 > bytes.size()) {
                throw RenderError("console font Unicode table is cut short");
            }
            const unsigned code = bytes[at] | bytes[at + 1] << 8;
            at += 2;
            if (code == 0xFFFF) {
                break;
            }
            if (code == 0xFFFE) {
                inSequence = true;
            } else if (!inSequence) {
                font.glyphOf.emplace(static_cast<char32_t>(code), glyph);
            }
        }
    }
}

// Version 2 table: per glyph, UTF-8 characters; 0xFE starts sequences, 0xFF ends the glyph.
void ReadTable2(const std::vector<std::uint8_t>& bytes, std::size_t at, int glyphCount,
                ConsoleFont& font) {
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        bool inSequence = false;
        for (;;) {
            if (at >= bytes.size()) {
                throw RenderError("console font Unicode table is cut short");
            }
            const std::uint8_t lead = bytes[at];
            if (lead == 0xFF) {
                ++at;
                break;
            }
            if (lead == 0xFE) {
                inSequence = true;
                ++at;
                continue;
            }
            const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
            if (at + static_cast<std::size_t>(extra) >= bytes.size()) {
                throw RenderError("console font Unicode table is cut short");
            }
            char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int i = 1; i <= extra; ++i) {
                code = code << 6 | (bytes[at + static_cast<std::size_t>(i)] & 0x3Fu);
            }
            at += static_cast<std::size_t>(extra) + 1;
            if (!inSequence) {
                font.glyphOf.emplace(code, glyph);
            }
        }
    }
}

}  // namespace

ConsoleFont ReadConsoleFont(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadGzipOrPlain(path);
    ConsoleFont font;
    std::size_t glyphsAt = 0;
    int glyphCount = 0;
    bool hasTable = false;
    bool version2 = false;
    if (bytes.size() >= 4 && bytes[0] == 0x36 && bytes[1] == 0x04) {
        const std::uint8_t mode = bytes[2];
        glyphCount = (mode & 0x01) ? 512 : 256;
        hasTable = (mode & 0x06) != 0;
        font.width = 8;
        font.height = bytes[3];
        glyphsAt = 4;
    } else if (bytes.size() >= 32 && Little32(bytes, 0) == 0x864AB572u) {
        glyphsAt = Little32(bytes, 8);
        hasTable = (Little32(bytes, 12) & 1u) != 0;
        glyphCount = static_cast<int>(Little32(bytes, 16));
        font.height = static_cast<int>(Little32(bytes, 24));
        font.width = static_cast<int>(Little32(bytes, 28));
        version2 = true;
    } else {
        throw RenderError(path + " is not a PSF console font");
    }
    font.bytesPerRow = (font.width + 7) / 8;
    font.bytesPerGlyph = font.bytesPerRow * font.height;
    const std::size_t glyphBytes =
        static_cast<std::size_t>(glyphCount) * static_cast<std::size_t>(font.bytesPerGlyph);
    if (font.width <= 0 || font.height <= 0 || glyphCount <= 0 ||
        glyphsAt + glyphBytes > bytes.size()) {
        throw RenderError(path + " has a damaged PSF header");
    }
    if (!hasTable) {
        throw RenderError(path + " has no Unicode table");
    }
    font.glyphs.assign(bytes.begin() + static_cast<std::ptrdiff_t>(glyphsAt),
                       bytes.begin() + static_cast<std::ptrdiff_t>(glyphsAt + glyphBytes));
    if (version2) {
        ReadTable2(bytes, glyphsAt + glyphBytes, glyphCount, font);
    } else {
        ReadTable1(bytes, glyphsAt + glyphBytes, glyphCount, font);
    }
    return font;
}

}  // namespace models
