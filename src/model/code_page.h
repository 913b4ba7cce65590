// The characters of the font's codes 32..255: Windows-1251, as glibc's iconv converts it. Every
// place that names a code's character (drawing from a font file, exports, the window) asks here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

// The Unicode character of a Windows-1251 code 0..255; nothing for 0x98, which names none.
std::optional<char32_t> UnicodeOfCode(int code);

// The Windows-1251 code of a Unicode character; nothing for a character the code page lacks.
std::optional<int> CodeOfUnicode(char32_t character);

// The code's character in UTF-8; empty for a code that names none.
std::string Utf8OfCode(int code);

// The codes of a UTF-8 text, one per character; a character the code page lacks, or a byte that
// starts no valid UTF-8 sequence, gives nothing in its place (std::nullopt).
std::vector<std::optional<int>> CodesOfUtf8(std::string_view text);

}  // namespace pixmora
