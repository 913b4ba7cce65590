#include "io/export_settings.h"

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
    return settings;
}

}  // namespace pixmora
