// How export writes bytes as source text: the output format (which line prefix) and the number
// notation of one value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixmora {

// In the order of the main window's "Формат строки" list.
enum class OutputFormat { DataCode, DbCode, Code, IntelHex, CHeader, Bdf, Gfx, Binary };
// In the order of the main window's "Формат числа" list.
enum class NumberNotation { AmpH, Dollar, Hash, ZeroX, SuffixH };

// The list text ("Data code", "&hNN", ...) to its value; nothing for an unknown text.
std::optional<OutputFormat> OutputFormatFromText(std::string_view text);
std::optional<NumberNotation> NumberNotationFromText(std::string_view text);

// What begins every source line: "Data ", ".db " or nothing ("Code"; "Intel HEX" and the
// firmware kinds too, for the model files, which are always source text).
std::string_view LinePrefix(OutputFormat format);

// One byte in a notation, upper-case digits: &h0A, $0A, #0A, 0x0A, 0Ah. "NNh" puts one more
// leading 0 before values above 153 (0x99), so 154 is 09Ah and 165 is 0A5h.
std::string FormatByteValue(std::uint8_t value, NumberNotation notation);
// The same, added to the end of `text` (a whole font is 75264 of them).
void AppendByteValue(std::string& text, std::uint8_t value, NumberNotation notation);

// Values per source line: a character of fewer than 8 bytes (6 x 8, 5 x 8) fills one line,
// everything else 8 a line.
constexpr int ValuesPerLine(int bytesPerChar) {
    return bytesPerChar < 8 ? bytesPerChar : 8;
}

}  // namespace pixmora
