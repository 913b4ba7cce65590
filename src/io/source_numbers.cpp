#include "io/source_numbers.h"

#include <array>

namespace pixmora {

namespace {

// The value of every character as a digit of bases up to 36, -1 for no digit: a table, since a
// font header is read a character at a time.
constexpr std::array<std::int8_t, 256> kDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= '9'; ++c) {
        values[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c - '0');
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        values[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c - 'a' + 10);
        values[static_cast<std::size_t>(c - 'a' + 'A')] = static_cast<std::int8_t>(c - 'a' + 10);
    }
    return values;
}();

int DigitValue(char c) {
    return kDigitValues[static_cast<unsigned char>(c)];
}

// The digits in the base, ' separators allowed between them; nothing when empty or when a
// character is no digit of the base.
std::optional<std::uint64_t> DigitsValue(std::string_view digits, int base) {
    if (digits.empty() || digits.front() == '\'' || digits.back() == '\'') {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c == '\'') {
            continue;
        }
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        // Only values near the top need the exact (dividing) test of an overflow.
        constexpr std::uint64_t kSafe = (kValueTooLarge - 35) / 36;
        if (value > kSafe && value > (kValueTooLarge - static_cast<std::uint64_t>(digit)) /
                                         static_cast<std::uint64_t>(base)) {
            value = kValueTooLarge;
        } else {
            value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        }
    }
    return value;
}

bool IsSuffixChar(char c) {
    return c == 'u' || c == 'U' || c == 'l' || c == 'L';
}

std::string_view WithoutIntegerSuffix(std::string_view token) {
    while (!token.empty() && IsSuffixChar(token.back())) {
        token.remove_suffix(1);
    }
    return token;
}

bool HasPrefix(std::string_view text, std::string_view lower) {
    if (text.size() < lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const char c = text[i];
        if (c != lower[i] && !(c >= 'A' && c <= 'Z' && c - 'A' + 'a' == lower[i])) {
            return false;
        }
    }
    return true;
}

// h'1F', b'0101', d'31': the quoted digits in the base of the letter.
std::optional<std::uint64_t> QuotedValue(std::string_view operand) {
    if (operand.size() < 4 || operand[1] != '\'' || operand.back() != '\'') {
        return std::nullopt;
    }
    const std::string_view digits = operand.substr(2, operand.size() - 3);
    switch (operand[0]) {
        case 'h':
        case 'H':
            return DigitsValue(digits, 16);
        case 'b':
        case 'B':
            return DigitsValue(digits, 2);
        case 'd':
        case 'D':
            return DigitsValue(digits, 10);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::uint64_t> CNumberValue(std::string_view token) {
    // 0xNN, the form of nearly every value of a font table.
    if (token.size() == 4 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        const int high = DigitValue(token[2]);
        const int low = DigitValue(token[3]);
        if (high >= 0 && high < 16 && low >= 0 && low < 16) {
            return static_cast<std::uint64_t>(high * 16 + low);
        }
    }
    if (token.size() >= 2 && token[0] == 'B' && token.size() <= 9 &&
        token.find_first_not_of("01", 1) == std::string_view::npos) {
        return DigitsValue(token.substr(1), 2);
    }
    const std::string_view number = WithoutIntegerSuffix(token);
    if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) {
        return DigitsValue(number.substr(2), 16);
    }
    if (HasPrefix(number, "0b")) {
        return DigitsValue(number.substr(2), 2);
    }
    if (number.size() > 1 && number[0] == '0') {
        return DigitsValue(number.substr(1), 8);
    }
    return DigitsValue(number, 10);
}

std::optional<std::uint64_t> AsmNumberValue(std::string_view operand) {
    if (operand.empty()) {
        return std::nullopt;
    }
    if (operand[0] == '#') {
        const std::string_view rest = operand.substr(1);
        const std::optional<std::uint64_t> hex = DigitsValue(rest, 16);
        return hex ? hex : AsmNumberValue(rest);
    }
    if (HasPrefix(operand, "0x")) {
        return DigitsValue(operand.substr(2), 16);
    }
    if (operand[0] == '$') {
        return DigitsValue(operand.substr(1), 16);
    }
    if (HasPrefix(operand, "&h")) {
        return DigitsValue(operand.substr(2), 16);
    }
    if (operand[0] == '%') {
        return DigitsValue(operand.substr(1), 2);
    }
    if (operand[0] == '.') {
        return DigitsValue(operand.substr(1), 10);
    }
    if (const std::optional<std::uint64_t> quoted = QuotedValue(operand)) {
        return quoted;
    }
    if (operand[0] < '0' || operand[0] > '9') {
        return std::nullopt;
    }
    const char last = operand.back();
    const std::string_view body = operand.substr(0, operand.size() - 1);
    // 0Bh is eleven: the suffix is read before the 0b prefix.
    if (last == 'h' || last == 'H') {
        return DigitsValue(body, 16);
    }
    if (HasPrefix(operand, "0b") && operand.size() > 2) {
        return DigitsValue(operand.substr(2), 2);
    }
    if (last == 'b' || last == 'B') {
        return DigitsValue(body, 2);
    }
    return DigitsValue(operand, 10);
}

}  // namespace pixmora
