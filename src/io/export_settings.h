// What "Сохранить" is asked to write: the window fills this from its output area, the CLI from
// its options; the export reads nothing else of the window.
#pragma once

#include <string>

#include "io/byte_notation.h"

namespace pixmora {

struct MainWindowState;

struct ExportSettings {
    OutputFormat kind = OutputFormat::DataCode;      // "Формат строки"
    NumberNotation notation = NumberNotation::AmpH;  // "Формат числа"
    bool incompleteSet = false;    // "Неполный ЗГ": only the range below
    std::string firstCode = "32";  // the range fields as typed
    std::string lastCode = "255";
    std::string startAddress = "0";  // the HEX start address as typed
    bool negative = false;  // "Негативный шрифт": the bytes are written complemented

    bool operator==(const ExportSettings&) const = default;
};

// The settings the main window's output area shows. A list text the lists do not hold reads as
// the list's first entry.
ExportSettings ExportSettingsOf(const MainWindowState& win);

}  // namespace pixmora
