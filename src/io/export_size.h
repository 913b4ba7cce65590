// How much "Сохранить" would write with the window's settings: the file's size and, for Intel
// HEX, its records. The figure is the length of the very text the export writes, so that it can
// never disagree with the file.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "io/export_settings.h"
#include "model/font_model.h"

namespace pixmora {

struct Editor;

inline constexpr std::string_view kSizeCaption = "Размер файла: ";
inline constexpr std::string_view kSizeBytes = " байт";
inline constexpr std::string_view kSizeRecords = ", записей HEX: ";
inline constexpr std::string_view kSizeAddressRefused = "Некорректно задан начальный адрес";

struct ExportSize {
    std::size_t bytes = 0;
    std::optional<std::size_t> hexRecords;  // set for Intel HEX: data, address and end records
};

// Nothing when the settings' range or start address would be refused.
std::optional<ExportSize> MeasureExport(const Editor& ed, const ExportSettings& settings);

// "Размер файла: 6804 байт", for HEX followed by ", записей HEX: 85"; the range's or the
// address's refusal when the export would refuse.
std::string ExportSizeText(const Editor& ed, const ExportSettings& settings);

// The last text measured and what it was measured on: the window asks on every pointer move, and
// a whole 48 x 56 font is some 200 KB of text to format.
struct ExportSizeMemo {
    ExportSettings settings;
    FontParams params;
    std::array<std::uint8_t, kImageSize> image{};
    std::string text;
    bool filled = false;
};

const std::string& MemoExportSizeText(ExportSizeMemo& memo, const Editor& ed,
                                      const ExportSettings& settings);

}  // namespace pixmora
