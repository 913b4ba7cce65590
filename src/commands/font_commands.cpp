#include "commands/font_commands.h"

#include <algorithm>

#include "editor/cell_view.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "editor/host.h"

namespace pixmora {

namespace {

bool UserAgrees(Host& host, const char* question) {
    return host.Message(question, kWarningTitle, MsgIcon::Exclamation, MsgButtons::YesNo) !=
           MsgAnswer::No;
}

}  // namespace

void ClearCurrentChar(Editor& ed, Host& host) {
    if (!UserAgrees(host, kClearCharQuestion)) {
        return;
    }
    DeselectTool(ed);
    // Only the colour and text change now; size and weight follow when the character is left.
    const int index = ed.font.CurrentChar;
    CharCell& cell = ed.table.cells[index];
    cell.textColour = kEmptyCellText;
    if (IsLetterlessChar(index)) {
        cell.textCode = 0;
    }
    ed.font.CharDefined[index] = kDark;

    for (int row = 0; row < ed.params.CellHeight; ++row) {
        for (int column = 0; column < ed.params.CellWidth; ++column) {
            const int dot = DotIndex(row, column);
            ed.font.DotColour[dot] = ed.font.DotBackColor[dot];
            ed.font.DotGrid[dot] = kDark;
        }
    }
    std::fill_n(ed.font.FontImage.begin() + ed.font.CurrentCharOffset, ed.params.BytesPerChar,
                std::uint8_t{0});
    RecordUndoStep(ed);
    ed.win.nosave = 1;
    ed.win.nosavesimb = 1;
}

void DeleteFont(Editor& ed, Host& host) {
    if (!UserAgrees(host, kDeleteFontQuestion)) {
        return;
    }
    // An armed tool or copy would act on marks the empty grid and table no longer show.
    DeselectTool(ed);
    ed.win.movie = 0;

    ed.table.cells[ed.font.PreviousChar].background = kWhite;
    ResetFontModel(ed);
    ClearCell(ed, ed.font.CurrentCharOffset, ed.params.BytesPerChar, ed.params.CellWidth,
              ed.params.CellHeight);
    SetVisible(ed.win, Ctl::Enlarge, false);
    SetVisible(ed.win, Ctl::CreateModel, false);
    ed.table.cells[ed.font.CurrentChar].background = kWhite;
    MakeCharCurrent(ed.font, 0, ed.params.BytesPerChar);
    ed.table.cells[0].background = kRed;
    // The old history belongs to the character that was current; character 0 starts afresh.
    ResetUndoHistory(ed);
    ed.win.nosave = 0;
}

}  // namespace pixmora
