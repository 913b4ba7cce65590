#include "editor/startup.h"

#include "editor/editor.h"

namespace pixmora {

void StartUp(Editor& ed) {
    ed.font.CharTableFontSize = 10;
    ed.params.FontByteScan = kNoScan;
    DeselectTool(ed);
    ed.win.nosave = 0;
    for (int index = 0; index < kCharCount; ++index) {
        CharCell& cell = ed.table.cells[index];
        cell = CharCell{};
        cell.fontSize = ed.font.CharTableFontSize;
        cell.textCode = StartupTextCode(index);
        ed.font.CharDefined[index] = kDark;
    }
    ed.table.locked = true;
    ed.font.DotVisible.fill(false);
    ed.font.DotGrid.fill(kDark);
    ed.win.visible.fill(false);
    SetVisible(ed.win, Ctl::New, true);
    SetVisible(ed.win, Ctl::Import, true);
    SetVisible(ed.win, Ctl::FromFont, true);
    SetVisible(ed.win, Ctl::FindFont, true);
    ed.win.negative = false;
    ed.win.incompleteSet = false;
    ed.win.movie = 0;
    ResetFontModel(ed);
}

}  // namespace pixmora
