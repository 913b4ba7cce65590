// The characters of the font's codes 32..255: Windows-1251, as glibc's iconv converts it.
#pragma once

#include <optional>

namespace pixmora {

// The Unicode character of a Windows-1251 code 0..255; nothing for 0x98, which names none.
std::optional<char32_t> UnicodeOfCode(int code);

}  // namespace pixmora
