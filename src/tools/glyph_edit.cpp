#include "tools/glyph_edit.h"

#include <cstddef>

#include "editor/editor.h"
#include "editor/undo_history.h"

namespace pixmora {

std::span<std::uint8_t> CurrentGlyph(Editor& ed) {
    return {ed.font.FontImage.data() + ed.font.CurrentCharOffset,
            static_cast<std::size_t>(ed.params.BytesPerChar)};
}

bool InCellArea(const Editor& ed, int row, int column) {
    return row >= 0 && row < ed.params.CellHeight && column >= 0 && column < ed.params.CellWidth;
}

void LightDot(Editor& ed, int dot) {
    ed.font.DotGrid[dot] = kLit;
    ed.font.DotColour[dot] = InkOverShown(ed.font.DotColour[dot]);
}

void MarkCharEdited(Editor& ed) {
    SetDefinedLook(ed, ed.font.CurrentChar);
    ed.win.nosave = 1;
}

void CommitDrawing(Editor& ed) {
    MarkCharEdited(ed);
    PackGlyph(ed.font, ed.font.CurrentCharOffset, ed.params.CellWidth, ed.params.CellHeight,
              ed.params.FontByteScan);
    RecordUndoStep(ed);
}

DotMatrix CurrentDots(Editor& ed) {
    return UnpackGlyph(CurrentGlyph(ed), ed.params.FontByteScan, ed.params.CellWidth,
                       ed.params.CellHeight);
}

void StoreCurrentDots(Editor& ed, const DotMatrix& dots) {
    PackMatrix(dots, CurrentGlyph(ed), ed.params.FontByteScan, ed.params.CellWidth,
               ed.params.CellHeight);
}

}  // namespace pixmora
