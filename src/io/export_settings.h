// What "Сохранить" is asked to write: the window fills this from its output area, the CLI from
// its options; the export reads nothing else of the window.
#pragma once

#include <string>

#include "io/bdf_writer.h"
#include "io/byte_notation.h"
#include "io/firmware_font.h"

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
    // The firmware kinds.
    std::string arrayName;  // C header and GFX: a C identifier; empty for font<W>x<H>
    bool art = false;       // C header: each character's dots drawn in a comment
    FlashPlacement placement = FlashPlacement::None;  // C header
    std::string baselineRow;  // BDF and GFX: the row capitals sit on as typed; empty: found
    BdfEncoding bdfEncoding = BdfEncoding::Unicode;
    bool gfxStructs = false;  // GFX: declare GFXglyph and GFXfont instead of including gfxfont.h

    bool operator==(const ExportSettings&) const = default;
};

// The settings the main window's output area shows. A list text the lists do not hold reads as
// the list's first entry.
ExportSettings ExportSettingsOf(const MainWindowState& win);

}  // namespace pixmora
