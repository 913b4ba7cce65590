#include "io/byte_notation.h"

#include "editor/font_settings.h"

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
        case OutputFormat::CHeader:
        case OutputFormat::Bdf:
        case OutputFormat::Gfx:
        case OutputFormat::Binary:
            break;
    }
    return "";
}

void AppendByteValue(std::string& text, std::uint8_t value, NumberNotation notation) {
    switch (notation) {
        case NumberNotation::AmpH:
            text += "&h";
            break;
        case NumberNotation::Dollar:
            text += '$';
            break;
        case NumberNotation::Hash:
            text += '#';
            break;
        case NumberNotation::ZeroX:
            text += "0x";
            break;
        case NumberNotation::SuffixH:
            if (value > kSuffixPadThreshold) {
                text += '0';
            }
            break;
    }
    text += kUpperHexDigits[value >> 4];
    text += kUpperHexDigits[value & 0x0F];
    if (notation == NumberNotation::SuffixH) {
        text += 'h';
    }
}

std::string FormatByteValue(std::uint8_t value, NumberNotation notation) {
    std::string text;
    AppendByteValue(text, value, notation);
    return text;
}

}  // namespace pixmora
