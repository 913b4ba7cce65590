// The cell formats and the four byte scans of a character generator.
//
// kCellFormats is the one list of formats: the parameters dialog, "Создать", import, scan change,
// enlargement, export names, recognition and the CLI all take their formats from it. A further
// format is one row here plus its model file data/Model/t<index>.mod, which recognition reads
// like the others (drawn by devtools/models: one entry of model_fonts.cpp, see its README).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pixmora {

struct CellFormat {
    std::string_view name;  // the list text, e.g. "16 x 24"
    int width;              // dot columns
    int height;             // dot rows, always a multiple of 8
    int bytesPerChar;       // width * height / 8
    int marginDots;         // width of the spacing margin along the right and bottom edges
};

// The order is an index used in model file names and dialogs; new formats go at the end.
inline constexpr std::array<CellFormat, 11> kCellFormats{{
    {"6 x 8", 6, 8, 6, 1},
    {"8 x 8", 8, 8, 8, 1},
    {"12 x 16", 12, 16, 24, 2},
    {"16 x 16", 16, 16, 32, 2},
    {"16 x 24", 16, 24, 48, 2},
    {"24 x 32", 24, 32, 96, 2},
    {"32 x 40", 32, 40, 160, 2},
    {"40 x 48", 40, 48, 240, 2},
    {"48 x 56", 48, 56, 336, 2},
    {"5 x 8", 5, 8, 5, 1},
    // One margin dot as in 8 x 8: console fonts of this shape draw in 7 columns and 15 rows.
    {"8 x 16", 8, 16, 16, 1},
}};

// Byte scans; the index is the option index of the dialogs and the stored FontByteScan.
inline constexpr int kScanVertical1 = 0;
inline constexpr int kScanVertical2 = 1;
inline constexpr int kScanHorizontal1 = 2;
inline constexpr int kScanHorizontal2 = 3;
inline constexpr int kScanCount = 4;
inline constexpr int kNoScan = 255;  // FontByteScan before the first font

// Index into kCellFormats of the format with these dimensions.
std::optional<int> FormatIndex(int width, int height);
// Index into kCellFormats of the format with this list text ("8 x 8").
std::optional<int> FormatIndexByName(std::string_view name);

// The spacing margin of a cell: the format's, or for a cell of no format two dots when it is
// wider than 8 and one otherwise.
constexpr int SpacingMargin(int width, int height) {
    for (const CellFormat& format : kCellFormats) {
        if (format.width == width && format.height == height) {
            return format.marginDots;
        }
    }
    return width > 8 ? 2 : 1;
}

constexpr bool IsVerticalScan(int scan) {
    return scan == kScanVertical1 || scan == kScanVertical2;
}

// Horizontal scans pack 8 dots of a row, so they exist only for widths that are multiples of 8.
constexpr bool ScanOffered(int width, int scan) {
    return scan >= 0 && scan < kScanCount && (IsVerticalScan(scan) || width % 8 == 0);
}

// Every name a byte scan goes by, one row per scan.
struct ScanNames {
    std::string_view option;     // the dialogs' option caption: "вертикально 1"
    std::string_view caption;    // the font caption after a new font or a scan change
    std::string_view report;     // the import report: "вертикальная 1"
    std::string_view confirmed;  // the scan change's confirmation: "Вертикальная 1"
};
inline constexpr std::array<ScanNames, kScanCount> kScanNames{{
    {"вертикально 1", "вертикальный 1  ", "вертикальная 1", "Вертикальная 1"},
    {"вертикально 2", "вертикальный 2 ", "вертикальная 2", "Вертикальная 2"},
    {"горизонтально 1", "горизонтальный 1", "горизонтальная 1", "Горизонтальная 1"},
    {"горизонтально 2", "горизонтальный 2", "горизонтальная 2", "Горизонтальная 2"},
}};

// The scan of a short name the program's own C headers and BDF files give: "v1", "v2", "h1", "h2".
std::optional<int> ScanByShortName(std::string_view name);

// The names of a scan; scan must be 0..kScanCount - 1.
const ScanNames& ScanNamesOf(int scan);
// "вертикально 1" .. "горизонтально 2": the option captions of the dialogs.
std::string_view ScanOptionCaption(int scan);

// The short scan text of the font caption. Scan 1 reads "вертикальный 2 " with one trailing blank
// after a new font or a scan change, and with two after an import or an enlargement.
enum class CaptionOrigin { NewOrRescan, ImportOrEnlarge };
std::string_view ScanCaptionText(int scan, CaptionOrigin origin);

// "Шрифт 16 x 24 вертикальный 1  ".
std::string FontCaption(int width, int height, std::string_view scanText);

}  // namespace pixmora
