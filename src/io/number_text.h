// The numbers a user types into the range fields and the start-address field.
//
// Grammar (blanks and tabs around the text are allowed, nothing else):
//   decimal:  [+|-] digits [. digits]   or   [+|-] . digits     e.g. "32", "-0.4", "+12.50"
//   hex:      &h or &H followed by 1..8 hexadecimal digits       e.g. "&h1000", "&HFF"
// No exponent, no thousands separators, no blanks inside. A decimal fraction is rounded to the
// nearest whole number, halves to even ("2.5" is 2, "3.5" is 4).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pixmora {

// The value of the text, or nothing when it is not a number of the grammar above.
std::optional<double> ParseNumberText(std::string_view text);

// The value rounded to the nearest whole number (halves to even), or nothing when the text is not
// a number or its magnitude exceeds 2^31.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// True for a blank or a tab: the characters that trimming removes.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The text without leading and trailing blanks and tabs.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// True when the text begins with "&h" or "&H", the prefix of a hexadecimal literal.
constexpr bool StartsWithHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == 'h' || text[1] == 'H');
}

// The value 0..15 of a hexadecimal digit (either case), or -1.
// The value 0..15 of each character as a hexadecimal digit, or -1.
inline constexpr std::array<std::int8_t, 256> kHexDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int digit = 0; digit < 16; ++digit) {
        values[static_cast<unsigned char>("0123456789ABCDEF"[digit])] =
            static_cast<std::int8_t>(digit);
        values[static_cast<unsigned char>("0123456789abcdef"[digit])] =
            static_cast<std::int8_t>(digit);
    }
    return values;
}();

constexpr int HexDigitValue(char c) {
    return kHexDigitValues[static_cast<unsigned char>(c)];
}
}  // namespace pixmora
