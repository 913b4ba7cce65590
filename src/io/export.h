// "Сохранить": writes the open font, or a range of its characters, as source text or Intel HEX.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "io/export_settings.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr std::string_view kErrorTitle = "Ошибка!";
inline constexpr std::string_view kRangeRefused = "Некорректно задана область вывода!";
inline constexpr std::string_view kStartAddressRefused =
    "Начальный адрес вводится в десятичном или шестнадцатиричном"
    " виде в диапазоне значений 0...32767. Повторите ввод.";
inline constexpr std::string_view kSaveDialogTitle = "Сохранить знакогенератор как...";
inline constexpr std::string_view kSourceFilter = "Знакогенератор |*.fnt";
inline constexpr std::string_view kHexFilter = "Знакогенератор (hex-код) |*.hex";
inline constexpr std::string_view kCHeaderFilter = "Заголовок C |*.h";
inline constexpr std::string_view kBdfFilter = "Шрифт BDF |*.bdf";
inline constexpr std::string_view kGfxFilter = "Adafruit GFX |*.h";
inline constexpr std::string_view kBinaryFilter = "Двоичный файл |*.bin";
inline constexpr std::string_view kArrayNameRefused = "Некорректно задано имя массива!";
inline constexpr std::string_view kBaselineRefused = "Некорректно задана базовая строка!";
inline constexpr std::string_view kGfxTooLarge =
    "Точки шрифта не помещаются в 64 КБ формата Adafruit GFX. Задайте неполный ЗГ.";
inline constexpr std::string_view kSaveFailed = "Не удалось сохранить файл ";
inline constexpr int kMaxStartAddress = 32767;

// The characters to write, as indices (code - 32).
struct ExportRange {
    int first = 0;
    int last = 223;
    bool partial = false;  // "Неполный ЗГ": only first..last
};

// The whole set, or with "Неполный ЗГ" the codes of the two range fields: both numbers (see
// number_text.h), 32 <= first < last <= 255. Nothing when the range is refused.
std::optional<ExportRange> ExportCharRange(const ExportSettings& settings);

// The start-address text in the number grammar: a number is kept as it is, "$1000", "#1000",
// "0x1000" and "1000h" become "&H1000". Nothing for any other text (also "&hZZ" and "0X1000").
std::optional<std::string> ParseStartAddress(std::string_view text);
// The address a start-address text gives, rounded to whole, when it lies in 0..32767.
std::optional<int> StartAddressValue(std::string_view text);
// The address as it appears in a file name: four upper-case hex digits and "H" (4096: "1000H").
std::string StartAddressText(int address);

// The proposed name: "Font", width and height as two digits each, the scan (v1, v2, h1, h2), p or
// n for the written polarity, LAT for a range ending below code 192, RUS for a range from code 192,
// and for HEX "-" and the address text. Font06x08v1p, Font16x16h1nRUS, Font08x08v2pLAT-1000H.
std::string ExportFileName(const Editor& ed, bool negative, const ExportRange& range,
                           std::string_view addressText = {});

// The bytes of the range as they are written: complemented for a negative output.
std::vector<std::uint8_t> ExportBytes(const Editor& ed, const ExportRange& range, bool negative);

// What the settings ask export to write: the range, for "Intel HEX" the start address, for the
// firmware kinds the array name and the baseline row.
struct ExportPlan {
    ExportRange range;
    std::optional<int> startAddress;  // set exactly for HEX
    std::string arrayName;
    int baselineRow = 0;
};

// The plan of the settings, or the refusal text that stops the export: the checks of PlanExport
// without telling, for figures the window shows as the settings change.
std::variant<ExportPlan, std::string_view> CheckExport(const Editor& ed,
                                                       const ExportSettings& settings);

// Checks the range, for HEX the start address, for C header and GFX the array name, for BDF and
// GFX the baseline row (0..height-1) and for GFX that the glyphs fit the 16-bit offsets; a
// refusal is told and gives nothing.
std::optional<ExportPlan> PlanExport(const Editor& ed, const ExportSettings& settings, Host& host);

// The save dialog's filter of an output kind.
std::string_view ExportFilter(OutputFormat kind);

// The file's whole content: the plan's bytes as HEX records, a C header, BDF, a GFX header, the
// bytes themselves, or source text in the settings' output format and number notation.
std::string ExportText(const Editor& ed, const ExportSettings& settings, const ExportPlan& plan);

// "Не удалось сохранить файл <path>:" and on the next line why.
std::string SaveFailedText(const std::string& path, const std::string& failure);

// The whole command with the settings of the window: checks the range and the address, asks for the
// file, writes it whole or not at all, and after success marks the font saved and returns the
// one-shot settings (range, negative) to their defaults.
void ExportFont(Editor& ed, Host& host);

}  // namespace pixmora
