#include "import/table_layout.h"

#include <algorithm>

#include "model/font_model.h"
#include "model/formats.h"

namespace pixmora {

namespace {

constexpr int kCodeCount = 256;
constexpr int kShortTable = 64;
constexpr int kFirstDigitTested = '0';
constexpr int kDigitsTested = 4;

std::optional<TableHeader> HeaderIf(std::size_t length, int bytes, int width, int height,
                                    int firstCode, std::optional<int> count) {
    const std::optional<int> format = FormatIndex(width, height);
    if (!format || length <= static_cast<std::size_t>(bytes)) {
        return std::nullopt;
    }
    const std::size_t glyphBytes = length - static_cast<std::size_t>(bytes);
    const auto bytesPerChar =
        static_cast<std::size_t>(kCellFormats[static_cast<std::size_t>(*format)].bytesPerChar);
    if (glyphBytes % bytesPerChar != 0) {
        return std::nullopt;
    }
    const auto glyphs = static_cast<int>(std::min<std::size_t>(glyphBytes / bytesPerChar, 1024));
    if ((count && *count != glyphs) || glyphs == 0 || firstCode + glyphs > kCodeCount) {
        return std::nullopt;
    }
    return TableHeader{bytes, *format, firstCode, glyphs};
}

}  // namespace

std::optional<TableHeader> FindTableHeader(std::span<const std::uint8_t> array) {
    const std::size_t length = array.size();
    if (length < 6) {
        return std::nullopt;
    }
    if (auto header = HeaderIf(length, 4, array[0], array[1], array[2], array[3])) {
        return header;
    }
    const std::size_t size = static_cast<std::size_t>(array[0]) * 256 + array[1];
    if (size == 0 || size == length) {
        if (auto header = HeaderIf(length, 6, array[2], array[3], array[4], array[5])) {
            return header;
        }
    }
    if (array[0] == 0) {
        return HeaderIf(length, 4, array[1], array[2], array[3], std::nullopt);
    }
    return std::nullopt;
}

std::vector<int> StartCodes(std::size_t glyphBytes, int formatIndex,
                            const std::optional<TableHeader>& header) {
    if (header && header->formatIndex == formatIndex) {
        return {header->firstCode};
    }
    std::vector<int> starts = {kFirstCode};
    const auto bytesPerChar =
        static_cast<std::size_t>(kCellFormats[static_cast<std::size_t>(formatIndex)].bytesPerChar);
    if (glyphBytes == 0 || glyphBytes % bytesPerChar != 0) {
        return starts;
    }
    const std::size_t chars = glyphBytes / bytesPerChar;
    if (chars == 256 || chars == 128) {
        starts.push_back(0);
    }
    if (chars <= kShortTable) {
        const int lowest = kFirstDigitTested + kDigitsTested - static_cast<int>(chars);
        for (int start = std::max(kFirstCode + 1, lowest); start <= kFirstDigitTested; ++start) {
            starts.push_back(start);
        }
    }
    return starts;
}

PlacedGlyphs PlaceGlyphs(std::span<const std::uint8_t> glyphs, int bytesPerChar, int firstCode,
                         std::uint8_t blank) {
    PlacedGlyphs placed;
    const auto perChar = static_cast<std::size_t>(bytesPerChar);
    const std::size_t chars = (glyphs.size() + perChar - 1) / perChar;
    std::size_t skip = 0;
    if (firstCode < kFirstCode) {
        placed.droppedBefore = static_cast<int>(
            std::min<std::size_t>(chars, static_cast<std::size_t>(kFirstCode - firstCode)));
        skip = static_cast<std::size_t>(placed.droppedBefore) * perChar;
    }
    const std::size_t lead =
        firstCode > kFirstCode ? static_cast<std::size_t>(firstCode - kFirstCode) * perChar : 0;
    const std::size_t room = static_cast<std::size_t>(kCharCount) * perChar;
    const std::size_t rest = glyphs.size() - std::min(skip, glyphs.size());
    const std::size_t kept = std::min(rest, room - std::min(lead, room));
    placed.droppedAfter = static_cast<int>((rest - kept + perChar - 1) / perChar);
    placed.bytes.assign(std::min(lead, room), blank);
    const auto from = glyphs.begin() + static_cast<std::ptrdiff_t>(std::min(skip, glyphs.size()));
    placed.bytes.insert(placed.bytes.end(), from, from + static_cast<std::ptrdiff_t>(kept));
    return placed;
}

}  // namespace pixmora
