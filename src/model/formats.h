// The nine cell formats and the four byte scans of a character generator.
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
};

// The order is an index used in model file names and dialogs.
inline constexpr std::array<CellFormat, 9> kCellFormats{{
    {"6 x 8", 6, 8, 6},
    {"8 x 8", 8, 8, 8},
    {"12 x 16", 12, 16, 24},
    {"16 x 16", 16, 16, 32},
    {"16 x 24", 16, 24, 48},
    {"24 x 32", 24, 32, 96},
    {"32 x 40", 32, 40, 160},
    {"40 x 48", 40, 48, 240},
    {"48 x 56", 48, 56, 336},
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
