#include "io/export_settings.h"

#include "editor/window_state.h"

namespace pixmora {

ExportSettings ExportSettingsOf(const MainWindowState& win) {
    ExportSettings settings;
    settings.kind = OutputFormatFromText(win.Combo1).value_or(OutputFormat::DataCode);
    settings.notation = NumberNotationFromText(win.Combo2).value_or(NumberNotation::AmpH);
    settings.incompleteSet = win.Check2;
    settings.firstCode = win.Text2;
    settings.lastCode = win.Text3;
    settings.startAddress = win.Text4;
    settings.negative = win.Check1;
    return settings;
}

}  // namespace pixmora
