#include "fontfile/psf_font.h"

#include "fontfile/font_bytes.h"

namespace pixmora {

namespace {

inline constexpr const char* kNotPsf = "Файл не является шрифтом PSF";
inline constexpr const char* kPsfHeaderDamaged = "Заголовок шрифта PSF поврежден";
inline constexpr const char* kPsfTableCut = "Таблица Юникода шрифта PSF обрывается";
inline constexpr const char* kPsfNoTable = "В шрифте PSF нет таблицы Юникода";

constexpr std::uint32_t kPsf2Magic = 0x864AB572u;
// Far beyond any console font; a header that claims more is damaged.
constexpr std::uint32_t kMaxPsfDots = 256;
constexpr std::size_t kMaxPsfGlyphs = 65536;

std::uint32_t Little32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Version 1 table: per glyph, 16-bit code points up to 0xFFFF; 0xFFFE starts sequences of
// combining characters, which a single test character never needs.
void ReadTable1(std::span<const std::uint8_t> bytes, std::size_t at, int glyphCount,
                PsfFont& font) {
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        bool inSequence = false;
        for (;;) {
            if (at + 2 > bytes.size()) {
                throw FontFileError(kPsfTableCut);
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
void ReadTable2(std::span<const std::uint8_t> bytes, std::size_t at, int glyphCount,
                PsfFont& font) {
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        bool inSequence = false;
        for (;;) {
            if (at >= bytes.size()) {
                throw FontFileError(kPsfTableCut);
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
                throw FontFileError(kPsfTableCut);
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

bool LooksLikePsf(std::span<const std::uint8_t> bytes) {
    if (IsGzip(bytes)) {
        // The magic lies inside the stream; only the unpacking tells, so a gzip counts as a
        // candidate and ReadPsfFont decides.
        return true;
    }
    return (bytes.size() >= 2 && bytes[0] == 0x36 && bytes[1] == 0x04) ||
           (bytes.size() >= 4 && Little32(bytes, 0) == kPsf2Magic);
}

PsfFont ReadPsfFont(std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> unpacked;
    if (IsGzip(input)) {
        unpacked = Gunzip(input);
        input = unpacked;
    }
    const std::span<const std::uint8_t> bytes = input;
    PsfFont font;
    std::size_t glyphsAt = 0;
    std::size_t glyphCount = 0;
    bool hasTable = false;
    bool version2 = false;
    if (bytes.size() >= 4 && bytes[0] == 0x36 && bytes[1] == 0x04) {
        const std::uint8_t mode = bytes[2];
        glyphCount = (mode & 0x01) ? 512 : 256;
        hasTable = (mode & 0x06) != 0;
        font.width = 8;
        font.height = bytes[3];
        glyphsAt = 4;
    } else if (bytes.size() >= 32 && Little32(bytes, 0) == kPsf2Magic) {
        glyphsAt = Little32(bytes, 8);
        hasTable = (Little32(bytes, 12) & 1u) != 0;
        glyphCount = Little32(bytes, 16);
        const std::uint32_t height = Little32(bytes, 24);
        const std::uint32_t width = Little32(bytes, 28);
        if (width == 0 || height == 0 || width > kMaxPsfDots || height > kMaxPsfDots ||
            Little32(bytes, 20) != height * ((width + 7) / 8) || glyphsAt < 32) {
            throw FontFileError(kPsfHeaderDamaged);
        }
        font.height = static_cast<int>(height);
        font.width = static_cast<int>(width);
        version2 = true;
    } else {
        throw FontFileError(kNotPsf);
    }
    font.bytesPerRow = (font.width + 7) / 8;
    font.bytesPerGlyph = font.bytesPerRow * font.height;
    if (font.height <= 0 || glyphCount == 0 || glyphCount > kMaxPsfGlyphs ||
        glyphsAt > bytes.size() ||
        glyphCount * static_cast<std::size_t>(font.bytesPerGlyph) > bytes.size() - glyphsAt) {
        throw FontFileError(kPsfHeaderDamaged);
    }
    const std::size_t glyphBytes = glyphCount * static_cast<std::size_t>(font.bytesPerGlyph);
    if (!hasTable) {
        throw FontFileError(kPsfNoTable);
    }
    font.glyphs.assign(bytes.begin() + static_cast<std::ptrdiff_t>(glyphsAt),
                       bytes.begin() + static_cast<std::ptrdiff_t>(glyphsAt + glyphBytes));
    const int count = static_cast<int>(glyphCount);
    if (version2) {
        ReadTable2(bytes, glyphsAt + glyphBytes, count, font);
    } else {
        ReadTable1(bytes, glyphsAt + glyphBytes, count, font);
    }
    return font;
}

}  // namespace pixmora
