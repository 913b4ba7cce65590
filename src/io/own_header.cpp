#include "io/own_header.h"

#include <charconv>
#include <map>
#include <string>

#include "model/formats.h"

namespace pixmora {

namespace {

constexpr std::string_view kDefine = "#define";
constexpr std::string_view kWidthSuffix = "_WIDTH";

using Macros = std::map<std::string, std::string_view, std::less<>>;

std::string_view Trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

// Every "#define NAME VALUE" line: the name and the value as written.
Macros DefineLines(std::string_view text) {
    Macros macros;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = Trimmed(text.substr(at, end - at));
        at = end + 1;
        if (!line.starts_with(kDefine)) {
            continue;
        }
        const std::string_view rest = Trimmed(line.substr(kDefine.size()));
        const std::size_t blank = rest.find_first_of(" \t");
        if (blank != std::string_view::npos && blank > 0) {
            macros.emplace(std::string(rest.substr(0, blank)), Trimmed(rest.substr(blank)));
        }
    }
    return macros;
}

std::optional<int> Number(const Macros& macros, const std::string& name) {
    const auto found = macros.find(name);
    if (found == macros.end()) {
        return std::nullopt;
    }
    int value = 0;
    const std::string_view text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "h1" in its quotes.
std::optional<int> QuotedScan(std::string_view quoted) {
    if (quoted.size() != 4 || quoted.front() != '"' || quoted.back() != '"') {
        return std::nullopt;
    }
    return ScanByShortName(quoted.substr(1, 2));
}

std::optional<OwnHeader> HeaderOf(const Macros& macros, const std::string& prefix) {
    const std::optional<int> width = Number(macros, prefix + "_WIDTH");
    const std::optional<int> height = Number(macros, prefix + "_HEIGHT");
    const std::optional<int> bytes = Number(macros, prefix + "_BYTES_PER_CHAR");
    const std::optional<int> first = Number(macros, prefix + "_FIRST_CODE");
    const std::optional<int> count = Number(macros, prefix + "_COUNT");
    const std::optional<int> negative = Number(macros, prefix + "_NEGATIVE");
    const auto scanText = macros.find(prefix + "_SCAN");
    if (!width || !height || !bytes || !first || !count || !negative || scanText == macros.end()) {
        return std::nullopt;
    }
    const std::optional<int> scan = QuotedScan(scanText->second);
    const std::optional<int> format = FormatIndex(*width, *height);
    if (!format || !scan || !ScanOffered(*width, *scan) ||
        kCellFormats[static_cast<std::size_t>(*format)].bytesPerChar != *bytes ||
        (*negative != 0 && *negative != 1) || *first < 0 || *count < 1 || *first + *count > 256) {
        return std::nullopt;
    }
    return OwnHeader{*format, *scan, *negative == 1, *first, *count};
}

}  // namespace

std::optional<OwnHeader> ReadOwnHeader(std::string_view text) {
    const Macros macros = DefineLines(text);
    for (const auto& entry : macros) {
        const std::string& name = entry.first;
        if (name.size() > kWidthSuffix.size() && name.ends_with(kWidthSuffix)) {
            const std::string prefix = name.substr(0, name.size() - kWidthSuffix.size());
            if (std::optional<OwnHeader> header = HeaderOf(macros, prefix)) {
                return header;
            }
        }
    }
    return std::nullopt;
}

}  // namespace pixmora
