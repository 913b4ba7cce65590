#include "fontfile/code_page.h"

#include <iconv.h>

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

}  // namespace

std::optional<char32_t> UnicodeOfCode(int code) {
    static const std::array<char32_t, 256> table = ConvertCodePage();
    if (code < 0 || code > 255 || table[static_cast<std::size_t>(code)] == kNone) {
        return std::nullopt;
    }
    return table[static_cast<std::size_t>(code)];
}

}  // namespace pixmora
