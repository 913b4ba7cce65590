#include "io/firmware_font.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "model/code_page.h"
#include "model/formats.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

constexpr int kFirstLatinCapital = 'A';
constexpr int kLastLatinCapital = 'Z';
constexpr int kFirstCyrillicCapital = 0xC0;  // "А"
constexpr int kLastCyrillicCapital = 0xDF;   // "Я"
constexpr int kFirstFontCode = 32;

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The lowest lit row of a glyph, -1 for an empty one.
int LowestLitRow(std::span<const std::uint8_t> glyph, int width, int height, int scan) {
    for (int row = height - 1; row >= 0; --row) {
        for (int column = 0; column < width; ++column) {
            if (GlyphDot(glyph, scan, width, row, column)) {
                return row;
            }
        }
    }
    return -1;
}

}  // namespace

void AppendParts(std::string& text, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts) {
        text += part;
    }
}

void AppendLine(std::string& text, std::initializer_list<std::string_view> parts,
                std::string_view end) {
    AppendParts(text, parts);
    text += end;
}

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    AppendParts(text, parts);
    return text;
}

DotMatrix DrawnDots(const FirmwareFont& font, int index) {
    DotMatrix dots = UnpackGlyph(CharGlyph(font.bytes, index, font.bytesPerChar), font.scan,
                                 font.width, font.height);
    if (font.negative) {
        for (int row = 0; row < font.height; ++row) {
            for (int column = 0; column < font.width; ++column) {
                dots[DotIndex(row, column)] ^= 1;
            }
        }
    }
    return dots;
}

std::string ScanShortName(int scan) {
    const char direction = IsVerticalScan(scan) ? 'v' : 'h';
    const char variant = (scan == kScanVertical1 || scan == kScanHorizontal1) ? '1' : '2';
    return {direction, variant};
}

std::string DefaultArrayName(int width, int height) {
    return Concat({"font", std::to_string(width), "x", std::to_string(height)});
}

bool IsCIdentifier(std::string_view name) {
    if (name.empty() || !(IsAsciiLetter(name[0]) || name[0] == '_')) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string MacroPrefix(std::string_view name) {
    std::string prefix(name);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return prefix;
}

int FoundBaselineRow(std::span<const std::uint8_t> image, int width, int height, int scan,
                     int bytesPerChar) {
    std::array<int, kGridRows> votes{};
    const auto vote = [&](int first, int last) {
        for (int code = first; code <= last; ++code) {
            const int row = LowestLitRow(CharGlyph(image, code - kFirstFontCode, bytesPerChar),
                                         width, height, scan);
            if (row >= 0) {
                ++votes[static_cast<std::size_t>(row)];
            }
        }
    };
    vote(kFirstLatinCapital, kLastLatinCapital);
    vote(kFirstCyrillicCapital, kLastCyrillicCapital);
    const auto commonest = std::max_element(votes.begin(), votes.end());
    if (*commonest == 0) {
        return height - 1 - SpacingMargin(width, height);
    }
    return static_cast<int>(commonest - votes.begin());
}

std::string_view PlacementAttribute(FlashPlacement placement) {
    switch (placement) {
        case FlashPlacement::Progmem:
            return "PROGMEM";
        case FlashPlacement::Rodata:
            return "__attribute__((section(\".rodata\")))";
        case FlashPlacement::None:
            break;
    }
    return "";
}

std::string CharComment(int code) {
    char number[8];
    std::snprintf(number, sizeof number, "0x%02X", static_cast<unsigned>(code));
    std::string comment = number;
    const std::optional<char32_t> character = UnicodeOfCode(code);
    // Control characters and the soft hyphen would be invisible or break the line.
    if (character && *character >= U' ' && *character != 0x7F && *character != 0xAD) {
        AppendParts(comment, {" '", Utf8OfCode(code), "'"});
    }
    return comment;
}

}  // namespace pixmora
