#include "tools/stretch.h"

#include "editor/editor.h"
#include "editor/undo_history.h"
#include "tools/dot_moves.h"
#include "tools/glyph_edit.h"

namespace pixmora {

namespace {

void CommitReshape(Editor& ed, const DotMatrix& dots) {
    StoreCurrentDots(ed, dots);
    MarkCharEdited(ed);
    RecordUndoStep(ed);
    ShowCurrentChar(ed.font, ed.params);
}

void Stretch(Editor& ed, Axis axis, int line) {
    const CellLines lines = LinesAlong(ed.params, axis);
    DotMatrix dots = CurrentDots(ed);
    if (LineLit(dots, lines, 0)) {
        return;
    }
    MoveTowardsStart(dots, lines, line);
    CommitReshape(ed, dots);
}

void Compress(Editor& ed, Axis axis, int line) {
    const CellLines lines = LinesAlong(ed.params, axis);
    DotMatrix dots = CurrentDots(ed);
    MoveTowardsEnd(dots, lines, line);
    CommitReshape(ed, dots);
}

}  // namespace

void StretchHorizontal(Editor& ed, int column) {
    Stretch(ed, Axis::Columns, column);
}

void CompressHorizontal(Editor& ed, int column) {
    Compress(ed, Axis::Columns, column);
}

void StretchVertical(Editor& ed, int row) {
    Stretch(ed, Axis::Rows, row);
}

void CompressVertical(Editor& ed, int row) {
    Compress(ed, Axis::Rows, row);
}

}  // namespace pixmora
