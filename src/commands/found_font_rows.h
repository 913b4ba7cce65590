// The list of fonts found in a firmware image as the editor shows it: where each table lies, its
// parameters and score as texts, and a picture of its digits '0'..'9', capitals 'A'..'Z' and
// Cyrillic capitals 'А'..'Я', one line of glyphs for each of these groups the table holds:
//
//   0123456789
//   ABCDEFGHIJKLMNOPQRSTUVWXYZ
//   АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ
//
// Each dot is one grey pixel (lit black, dark white), one white column between glyphs and one
// white row between lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editor/found_font_list.h"
#include "import/font_finder.h"

namespace pixmora {

inline constexpr const char* kFoundListTitle = "Найденные шрифты";
inline constexpr const char* kFoundOpenButton = "Открыть";
inline constexpr const char* kFoundPictureTitle = "Знаки";
inline constexpr const char* kFoundOffsetTitle = "Смещение";
inline constexpr const char* kFoundAddressTitle = "Адрес";
inline constexpr const char* kFoundFormatTitle = "Формат";
inline constexpr const char* kFoundScanTitle = "Развертка";
inline constexpr const char* kFoundPolarityTitle = "Полярность";
inline constexpr const char* kFoundFirstCodeTitle = "Первый код";
inline constexpr const char* kFoundGlyphsTitle = "Знаков";
inline constexpr const char* kFoundScoreTitle = "Оценка";
inline constexpr const char* kPositiveText = "позитивный";
inline constexpr const char* kNegativeText = "негативный";

inline constexpr std::uint8_t kPictureLit = 0;
inline constexpr std::uint8_t kPictureDark = 255;

// Where a table's first byte lies: in the file, and in the device's memory.
struct TablePlace {
    std::uint64_t fileOffset;
    std::uint64_t address;
};

// A HEX segment's bytes are spread over text lines, so for Intel HEX only the address locates
// them; the file offset is then that of the segment's first line.
TablePlace PlaceOfTable(const FirmwareImage& image, const FoundFont& found);

// "0x0001F2A0": eight upper-case digits at least.
std::string HexPlace(std::uint64_t value);

// The offset where the file's bytes are the device's (not in Intel HEX), the address where the
// image has addresses (not in a raw binary).
bool ShowsOffset(ImageKind kind);
bool ShowsAddress(ImageKind kind);

// The picture of a table extracted with ExtractFont: always the lit dots black, whatever the
// table's polarity.
PixelImage FoundFontPicture(std::span<const std::uint8_t> extracted, const FoundFont& found);

FoundFontList FoundFontRows(const FirmwareImage& image, const std::vector<FoundFont>& found);

}  // namespace pixmora
