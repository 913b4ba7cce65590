#include "editor/replaced_font.h"

#include <string>

#include "editor/editor.h"
#include "editor/font_settings.h"
#include "model/glyph_packing.h"

namespace pixmora {

void ShowReplacingFont(Editor& ed) {
    ed.font.ImageEmpty = kDark;
    ShowEditingCommands(ed);
    ShowOutputArea(ed);
    ed.win.tex =
        std::string(ScanCaptionText(ed.params.FontByteScan, CaptionOrigin::ImportOrEnlarge));
    ed.win.fontCaption = FontCaption(ed.params.CellWidth, ed.params.CellHeight, ed.win.tex);
    SetVisible(ed.win, Ctl::FontCaption, true);

    ed.table.locked = false;
    ed.font.PreviousChar = 0;
    MakeCharCurrent(ed.font, 0, ed.params.BytesPerChar);
    ed.win.movie = 0;
    ed.table.cells[0].background = kRed;
    ResetUndoHistory(ed);
    ShowCurrentChar(ed.font, ed.params);
}

}  // namespace pixmora
