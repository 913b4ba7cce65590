#include "io/number_text.h"

#include <charconv>
#include <cmath>

namespace pixmora {

namespace {

constexpr double kWholeLimit = 2147483648.0;  // 2^31
constexpr std::size_t kMaxHexDigits = 8;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<double> ParseHexLiteral(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxHexDigits) {
        return std::nullopt;
    }
    double value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool seenDigit = false;
    bool seenPoint = false;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            seenDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    // from_chars reads the digits exactly and whatever the locale's decimal point.
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseNumberText(std::string_view text) {
    text = TrimBlanks(text);
    if (StartsWithHexPrefix(text)) {
        return ParseHexLiteral(text.substr(2));
    }
    return ParseDecimal(text);
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
    const std::optional<double> value = ParseNumberText(text);
    if (!value || std::fabs(*value) > kWholeLimit) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::nearbyint(*value));
}

}  // namespace pixmora
