#include "ui/new_font.h"

#include "model/editor.h"
#include "model/host.h"
#include "ui/cell_view.h"
#include "ui/exit_check.h"
#include "ui/font_settings.h"

namespace pixmora {

void NewFont(Editor& ed, Host& host) {
    if (!ConfirmDiscardUnsaved(ed, host)) {
        return;
    }
    ed.font.ParamsDialogMode = "new";
    host.RunParamsDialog(ed);
    if (ed.font.ParamsDialogMode == "end") {
        return;
    }
    DeselectTool(ed);
    {
        const BusyPointer busy(host);
        ed.params.FontByteScan = ed.font.DialogByteScan;
        SetNegativeFont(ed, ed.params.PositiveFont != kLit);

        ResetFontModel(ed);
        ed.table.locked = false;
        // The source mark of an armed copy is gone with the old font, so the copy goes too.
        ed.win.movie = 0;

        const int width = ed.params.CellWidth;
        const int height = ed.params.CellHeight;
        ed.font.DotGrid.fill(kDark);
        ShowCellArea(ed.font, width, height);
        ClearCell(ed, ed.font.CurrentCharOffset, ed.params.BytesPerChar, width, height);

        ed.win.tex =
            std::string(ScanCaptionText(ed.params.FontByteScan, CaptionOrigin::NewOrRescan));
        ed.win.Label19 = FontCaption(width, height, ed.win.tex);
        SetVisible(ed.win, Ctl::Label19, true);

        // Undo and redo stay hidden until the history has something to offer.
        for (auto control = static_cast<std::size_t>(Ctl::Command3);
             control <= static_cast<std::size_t>(Ctl::Command23); ++control) {
            const auto ctl = static_cast<Ctl>(control);
            if (ctl != Ctl::Command11 && ctl != Ctl::Command21) {
                SetVisible(ed.win, ctl, true);
            }
        }
        SetVisible(ed.win, Ctl::Check2, true);
        SetIncompleteSet(ed, false);
        ed.table.cells[ed.font.CurrentChar].background = kRed;
    }
    ResetUndoHistory(ed);
    ed.font.ParamsDialogMode = "end";
    ed.font.ImageEmpty = kDark;
}

}  // namespace pixmora
