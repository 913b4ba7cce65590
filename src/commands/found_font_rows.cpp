#include "commands/found_font_rows.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/font_model.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

struct CodeRun {
    int first;
    int last;
};

// '0'..'9', 'A'..'Z' and 'А'..'Я' in Windows-1251.
constexpr std::array<CodeRun, 3> kPictureRuns{{{48, 57}, {65, 90}, {192, 223}}};

// The glyph of a code as stored, or empty outside the table and where the extracted bytes end.
std::span<const std::uint8_t> StoredGlyph(std::span<const std::uint8_t> extracted,
                                          const FoundFont& found, int code) {
    const auto start = static_cast<std::size_t>((code - kFirstCode) * found.BytesPerChar());
    const auto count = static_cast<std::size_t>(found.BytesPerChar());
    if (code < found.firstCode || code > found.lastCode || start + count > extracted.size()) {
        return {};
    }
    return extracted.subspan(start, count);
}

bool DotLit(std::span<const std::uint8_t> glyph, const FoundFont& found, int width, int row,
            int column) {
    return GlyphDot(glyph, found.scan, width, row, column) != found.negative;
}

// A run is shown when the table reaches into it and one of its glyphs has a lit dot.
bool RunShown(std::span<const std::uint8_t> extracted, const FoundFont& found, const CodeRun& run,
              const CellFormat& format) {
    for (int code = run.first; code <= run.last; ++code) {
        const auto glyph = StoredGlyph(extracted, found, code);
        for (int row = 0; !glyph.empty() && row < format.height; ++row) {
            for (int column = 0; column < format.width; ++column) {
                if (DotLit(glyph, found, format.width, row, column)) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::string ScoreText(float score) {
    char text[24];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(score));
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

}  // namespace

TablePlace PlaceOfTable(const FirmwareImage& image, const FoundFont& found) {
    const ImageSegment& segment = image.segments.at(found.segment);
    const auto within = static_cast<std::uint64_t>(found.TablePosition());
    const std::uint64_t fileOffset =
        image.kind == ImageKind::IntelHex ? segment.fileOffset : segment.fileOffset + within;
    return {fileOffset, segment.address + within};
}

std::string HexPlace(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

bool ShowsOffset(ImageKind kind) {
    return kind != ImageKind::IntelHex;
}

bool ShowsAddress(ImageKind kind) {
    return kind != ImageKind::Binary;
}

PixelImage FoundFontPicture(std::span<const std::uint8_t> extracted, const FoundFont& found) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(found.formatIndex)];
    std::vector<CodeRun> runs;
    int longest = 0;
    for (const CodeRun& run : kPictureRuns) {
        if (RunShown(extracted, found, run, format)) {
            runs.push_back(run);
            longest = std::max(longest, run.last - run.first + 1);
        }
    }
    PixelImage picture;
    if (runs.empty()) {
        return picture;
    }
    picture.width = longest * (format.width + 1) - 1;
    picture.height = static_cast<int>(runs.size()) * (format.height + 1) - 1;
    picture.pixels.assign(
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height),
        kPictureDark);
    for (std::size_t line = 0; line < runs.size(); ++line) {
        const int top = static_cast<int>(line) * (format.height + 1);
        for (int code = runs[line].first; code <= runs[line].last; ++code) {
            const auto glyph = StoredGlyph(extracted, found, code);
            const int left = (code - runs[line].first) * (format.width + 1);
            for (int row = 0; !glyph.empty() && row < format.height; ++row) {
                for (int column = 0; column < format.width; ++column) {
                    if (DotLit(glyph, found, format.width, row, column)) {
                        picture.pixels[picture.Offset(left + column, top + row)] = kPictureLit;
                    }
                }
            }
        }
    }
    return picture;
}

FoundFontList FoundFontRows(const FirmwareImage& image, const std::vector<FoundFont>& found) {
    FoundFontList list;
    const bool offset = ShowsOffset(image.kind);
    const bool address = ShowsAddress(image.kind);
    if (offset) {
        list.titles.emplace_back(kFoundOffsetTitle);
    }
    if (address) {
        list.titles.emplace_back(kFoundAddressTitle);
    }
    for (const char* title : {kFoundFormatTitle, kFoundScanTitle, kFoundPolarityTitle,
                              kFoundFirstCodeTitle, kFoundGlyphsTitle, kFoundScoreTitle}) {
        list.titles.emplace_back(title);
    }
    for (const FoundFont& table : found) {
        const TablePlace place = PlaceOfTable(image, table);
        FoundFontRow row;
        if (offset) {
            row.texts.push_back(HexPlace(place.fileOffset));
        }
        if (address) {
            row.texts.push_back(HexPlace(place.address));
        }
        row.texts.emplace_back(kCellFormats[static_cast<std::size_t>(table.formatIndex)].name);
        row.texts.emplace_back(ScanOptionCaption(table.scan));
        row.texts.emplace_back(table.negative ? kNegativeText : kPositiveText);
        row.texts.push_back(std::to_string(table.firstCode));
        row.texts.push_back(std::to_string(table.glyphCount));
        row.texts.push_back(ScoreText(table.score));
        row.picture = FoundFontPicture(ExtractFont(image, table), table);
        list.rows.push_back(std::move(row));
    }
    return list;
}

}  // namespace pixmora
