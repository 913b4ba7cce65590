#include "tools/dot_moves.h"

namespace pixmora {

namespace {

void CopyLine(DotMatrix& dots, const CellLines& lines, int from, int to) {
    for (int position = 0; position < lines.length; ++position) {
        dots[lines.Dot(to, position)] = dots[lines.Dot(from, position)];
    }
}

}  // namespace

CellLines LinesAlong(const FontParams& params, Axis axis) {
    return axis == Axis::Columns ? CellLines{axis, params.CellWidth, params.CellHeight}
                                 : CellLines{axis, params.CellHeight, params.CellWidth};
}

bool LineLit(const DotMatrix& dots, const CellLines& lines, int line) {
    for (int position = 0; position < lines.length; ++position) {
        if (dots[lines.Dot(line, position)] != 0) {
            return true;
        }
    }
    return false;
}

void ClearLine(DotMatrix& dots, const CellLines& lines, int line) {
    for (int position = 0; position < lines.length; ++position) {
        dots[lines.Dot(line, position)] = 0;
    }
}

void MoveTowardsStart(DotMatrix& dots, const CellLines& lines, int last) {
    for (int line = 0; line < last; ++line) {
        CopyLine(dots, lines, line + 1, line);
    }
}

void MoveTowardsEnd(DotMatrix& dots, const CellLines& lines, int last) {
    for (int line = last; line > 0; --line) {
        CopyLine(dots, lines, line - 1, line);
    }
    ClearLine(dots, lines, 0);
}

}  // namespace pixmora
