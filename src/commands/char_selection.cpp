#include "commands/char_selection.h"

#include <algorithm>
#include <string>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

bool CharIsBlank(const Editor& ed, int index) {
    return !GlyphHasDots(CharGlyph(ed.font.FontImage, index, ed.params.BytesPerChar));
}

void SetBackground(Editor& ed, int index, Colour colour) {
    ed.table.cells[index].background = colour;
}

// The armed copy meets a click on another cell: the clicked character becomes current and takes
// the source's bytes and look.
void CopyOntoCurrent(Editor& ed) {
    const int target = ed.font.CurrentChar;
    const int source = ed.win.simb1;
    ResetUndoHistory(ed);
    ed.font.SourceCharOffset = source * ed.params.BytesPerChar;
    std::copy_n(ed.font.FontImage.begin() + ed.font.SourceCharOffset, ed.params.BytesPerChar,
                ed.font.FontImage.begin() + ed.font.CurrentCharOffset);
    if (ed.table.cells[source].textColour == kEmptyCellText) {
        SetEmptyLook(ed, target);
    } else {
        SetDefinedLook(ed, target);
    }
    ed.win.nosave = 1;
    ed.win.nosavesimb = 1;
    ed.font.ImageEmpty = kDark;
    ShowCurrentChar(ed.font, ed.params);
    SetBackground(ed, source, kWhite);
    SetBackground(ed, target, kRed);
    ed.win.movie = 0;
}

}  // namespace

void SelectChar(Editor& ed, int index) {
    DeselectTool(ed);
    if (ed.table.locked) {
        return;
    }
    ed.font.PreviousChar = ed.font.CurrentChar;
    if (CharIsBlank(ed, ed.font.CurrentChar)) {
        SetEmptyLook(ed, ed.font.CurrentChar);
    }
    MakeCharCurrent(ed.font, index, ed.params.BytesPerChar);
    if (ed.win.movie == 1) {
        if (index != ed.win.simb1) {
            CopyOntoCurrent(ed);
            return;
        }
        // The source itself was clicked again: the copy is disarmed.
        ed.win.movie = 0;
        ed.font.PreviousChar = index;
    }
    SetBackground(ed, ed.font.PreviousChar, kWhite);
    SetBackground(ed, index, kRed);
    ResetUndoHistory(ed);
    ShowCurrentChar(ed.font, ed.params);
    ed.win.nosavesimb = 0;
}

void ArmCopy(Editor& ed, int index) {
    if (ed.table.locked) {
        return;
    }
    ed.font.PreviousChar = ed.font.CurrentChar;
    MakeCharCurrent(ed.font, index, ed.params.BytesPerChar);
    ed.win.simb1 = index;
    SetBackground(ed, ed.font.PreviousChar, kWhite);
    SetBackground(ed, index, kBlue);
    ed.font.SourceCharOffset = index * ed.params.BytesPerChar;
    ed.win.movie = 1;
}

void TakeCurrentCode(Editor& ed, Ctl field) {
    const std::string code = std::to_string(ed.font.CurrentChar + kFirstCode);
    if (field == Ctl::FirstCode) {
        ed.win.firstCode = code;
    } else if (field == Ctl::LastCode) {
        ed.win.lastCode = code;
    }
}

}  // namespace pixmora
