#include "commands/new_font.h"

#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "editor/font_settings.h"
#include "editor/host.h"

namespace pixmora {

void NewFont(Editor& ed, Host& host) {
    if (!ConfirmDiscardUnsaved(ed, host)) {
        return;
    }
    const std::optional<ParamsChoice> choice = host.RunParamsDialog(ed);
    if (!choice) {
        return;
    }
    ApplyParamsChoice(ed, host, *choice);
    DeselectTool(ed);
    {
        const BusyPointer busy(host);
        SetNegativeFont(ed, ed.params.PositiveFont != kLit);

        ResetFontModel(ed);
        ed.table.locked = false;
        // A new font is no file's yet.
        ed.win.fileName.clear();
        // The source mark of an armed copy is gone with the old font, so the copy goes too.
        ed.win.movie = 0;

        const int width = ed.params.CellWidth;
        const int height = ed.params.CellHeight;
        ed.font.DotGrid.fill(kDark);
        ShowCellArea(ed.font, width, height);
        ClearCell(ed, ed.font.CurrentCharOffset, ed.params.BytesPerChar, width, height);

        ed.win.tex =
            std::string(ScanCaptionText(ed.params.FontByteScan, CaptionOrigin::NewOrRescan));
        ed.win.fontCaption = FontCaption(width, height, ed.win.tex);
        SetVisible(ed.win, Ctl::FontCaption, true);

        ShowEditingCommands(ed);
        SetVisible(ed.win, Ctl::IncompleteSet, true);
        SetIncompleteSet(ed, false);
        ed.table.cells[ed.font.CurrentChar].background = kRed;
    }
    ResetUndoHistory(ed);
    ed.font.ImageEmpty = kDark;
}

}  // namespace pixmora
