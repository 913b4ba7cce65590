#include "editor/editor.h"

namespace pixmora {

void SetEmptyLook(Editor& ed, int index) {
    CharCell& cell = ed.table.cells[index];
    ed.font.CharDefined[index] = kDark;
    cell.textColour = kEmptyCellText;
    cell.fontSize = ed.font.CharTableFontSize;
    cell.bold = false;
    if (IsLetterlessChar(index)) {
        cell.textCode = 0;
    }
}

void SetDefinedLook(Editor& ed, int index) {
    CharCell& cell = ed.table.cells[index];
    ed.font.CharDefined[index] = kLit;
    cell.textColour = kBlack;
    cell.fontSize = ed.font.CharTableFontSize + 2;
    cell.bold = true;
    if (IsLetterlessChar(index)) {
        cell.textCode = kBulletCode;
    }
}

void ResetFontModel(Editor& ed) {
    ed.font.FontImage.fill(0);
    for (int dot = 0; dot < kGridDots; ++dot) {
        ed.font.DotGrid[dot] = kDark;
    }
    for (int index = 0; index < kCharCount; ++index) {
        SetEmptyLook(ed, index);
        ed.table.cells[index].background = kWhite;
    }
    ed.font.ImageEmpty = kLit;
}

}  // namespace pixmora
