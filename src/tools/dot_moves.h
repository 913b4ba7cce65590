// Moves of whole lines of a glyph's dot matrix, shared by stretch, compress and shift. A line is a
// column (Axis::Columns, numbered left to right) or a row (Axis::Rows, numbered top down).
#pragma once

#include "model/font_model.h"
#include "model/glyph_packing.h"

namespace pixmora {

enum class Axis { Columns, Rows };

// The lines of a cell along an axis, and the dots of each line.
struct CellLines {
    Axis axis;
    int count;   // columns (W) or rows (H)
    int length;  // dots of one line: H for a column, W for a row

    int Dot(int line, int position) const {
        return axis == Axis::Columns ? DotIndex(position, line) : DotIndex(line, position);
    }
};

// The columns or the rows of the open font's cell.
CellLines LinesAlong(const FontParams& params, Axis axis);

bool LineLit(const DotMatrix& dots, const CellLines& lines, int line);
void ClearLine(DotMatrix& dots, const CellLines& lines, int line);

// Lines 0..last-1 each take the dots of the next line; line `last` keeps its own.
void MoveTowardsStart(DotMatrix& dots, const CellLines& lines, int last);
// Lines last..1 each take the dots of the line before; line 0 becomes dark.
void MoveTowardsEnd(DotMatrix& dots, const CellLines& lines, int last);

}  // namespace pixmora
