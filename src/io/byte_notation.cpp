#include "io/byte_notation.h"

#include "ui/font_settings.h"

namespace pixmora {

namespace {

// Above this, "NNh" gets a leading 0 so that an assembler reads the value as a number.
constexpr int kSuffixPadThreshold = 153;

constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

template <typename Enum, std::size_t N>
std::optional<Enum> FromListText(const char* const (&texts)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == texts[i]) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<OutputFormat> OutputFormatFromText(std::string_view text) {
    return FromListText<OutputFormat>(kOutputFormats, text);
}

std::optional<NumberNotation> NumberNotationFromText(std::string_view text) {
    return FromListText<NumberNotation>(kNumberNotations, text);
}

std::string_view LinePrefix(OutputFormat format) {
    switch (format) {
        case OutputFormat::DataCode:
            return "Data ";
        case OutputFormat::DbCode:
            return ".db ";
        case OutputFormat::Code:
        case OutputFormat::IntelHex:
            break;
    }
    return "";
}

std::string FormatByteValue(std::uint8_t value, NumberNotation notation) {
    const std::string digits{kUpperHexDigits[value >> 4], kUpperHexDigits[value & 0x0F]};
    switch (notation) {
        case NumberNotation::AmpH:
            return "&h" + digits;
        case NumberNotation::Dollar:
            return "$" + digits;
        case NumberNotation::Hash:
            return "#" + digits;
        case NumberNotation::ZeroX:
            return "0x" + digits;
        case NumberNotation::SuffixH:
            break;
    }
    return (value > kSuffixPadThreshold ? "0" : "") + digits + "h";
}

}  // namespace pixmora
