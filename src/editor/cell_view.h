// Paints the visible cell area of the grid: a white drawing area and a yellow spacing margin along
// the right and bottom edges, as wide as the format's SpacingMargin.
#pragma once

#include "model/formats.h"

namespace pixmora {

struct Editor;

constexpr bool IsMarginDot(int width, int height, int row, int column) {
    const int margin = SpacingMargin(width, height);
    return row >= height - margin || column >= width - margin;
}

// Darkens every dot of the cell and gives it its background colour; no byte changes.
void PaintCellBackground(Editor& ed, int width, int height);
// PaintCellBackground, then zeroes count bytes of FontImage from start.
void ClearCell(Editor& ed, int start, int count, int width, int height);

}  // namespace pixmora
