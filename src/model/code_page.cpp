#include "model/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace pixmora {

namespace {

constexpr char32_t kNone = 0xFFFFFFFF;

// The whole code page, converted once: one iconv call a code, so that a code glibc refuses leaves
// no state behind for the next.
std::array<char32_t, 256> ConvertCodePage() {
    std::array<char32_t, 256> table{};
    table.fill(kNone);
    const iconv_t converter = iconv_open("UTF-32LE", "WINDOWS-1251");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return table;
    }
    for (int code = 0; code < 256; ++code) {
        char in = static_cast<char>(code);
        std::array<unsigned char, 4> out{};
        char* inAt = &in;
        char* outAt = reinterpret_cast<char*>(out.data());
        std::size_t inLeft = 1;
        std::size_t outLeft = out.size();
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != static_cast<std::size_t>(-1) &&
            outLeft == 0) {
            table[static_cast<std::size_t>(code)] =
                static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
        }
    }
    iconv_close(converter);
    return table;
}

const std::array<char32_t, 256>& CodePage() {
    static const std::array<char32_t, 256> table = ConvertCodePage();
    return table;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One character of UTF-8 from `at`, which it moves past; nothing for a malformed sequence (then
// `at` moves one byte, so that decoding goes on with the next).
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                      : lead >= 0xE0                ? 2
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                                                    : -1;
    if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) {
        return std::nullopt;
    }
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = c << 6 | (next & 0x3F);
    }
    at += static_cast<std::size_t>(extra);
    return c;
}

}  // namespace

std::optional<char32_t> UnicodeOfCode(int code) {
    const std::array<char32_t, 256>& table = CodePage();
    if (code < 0 || code > 255 || table[static_cast<std::size_t>(code)] == kNone) {
        return std::nullopt;
    }
    return table[static_cast<std::size_t>(code)];
}

std::optional<int> CodeOfUnicode(char32_t character) {
    const std::array<char32_t, 256>& table = CodePage();
    const auto* found = std::find(table.begin(), table.end(), character);
    if (character == kNone || found == table.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - table.begin());
}

std::string Utf8OfCode(int code) {
    std::string out;
    if (const std::optional<char32_t> character = UnicodeOfCode(code)) {
        AppendUtf8(out, *character);
    }
    return out;
}

std::vector<std::optional<int>> CodesOfUtf8(std::string_view text) {
    std::vector<std::optional<int>> codes;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> character = DecodeUtf8(text, at);
        codes.push_back(character ? CodeOfUnicode(*character) : std::nullopt);
    }
    return codes;
}

}  // namespace pixmora
