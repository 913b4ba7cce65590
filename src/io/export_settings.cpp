#include "io/export_settings.h"

#include <iterator>

#include "editor/font_settings.h"
#include "editor/window_state.h"

namespace pixmora {

ExportSettings ExportSettingsOf(const MainWindowState& win) {
    ExportSettings settings;
    settings.kind = OutputFormatFromText(win.outputKind).value_or(OutputFormat::DataCode);
    settings.notation = NumberNotationFromText(win.notation).value_or(NumberNotation::AmpH);
    settings.incompleteSet = win.incompleteSet;
    settings.firstCode = win.firstCode;
    settings.lastCode = win.lastCode;
    settings.startAddress = win.startAddress;
    settings.negative = win.negative;
    settings.arrayName = win.arrayName;
    settings.art = win.art;
    for (std::size_t i = 0; i < std::size(kPlacements); ++i) {
        if (win.placement == kPlacements[i]) {
            settings.placement = static_cast<FlashPlacement>(i);
        }
    }
    settings.baselineRow = win.baselineRow;
    settings.bdfEncoding = win.codePageCodes ? BdfEncoding::CodePage : BdfEncoding::Unicode;
    settings.gfxStructs = win.gfxStructs;
    return settings;
}

}  // namespace pixmora
