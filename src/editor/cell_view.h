// Paints the visible cell area of the grid: a white drawing area and a yellow spacing margin along
// the right and bottom edges (two dots wide in cells wider than 8, one dot otherwise).
#pragma once

namespace pixmora {

struct Editor;

constexpr bool IsMarginDot(int width, int height, int row, int column) {
    return width > 8 ? (row >= height - 2 || column >= width - 2)
                     : (row == height - 1 || column == width - 1);
}

// Darkens every dot of the cell and gives it its background colour; no byte changes.
void PaintCellBackground(Editor& ed, int width, int height);
// PaintCellBackground, then zeroes count bytes of FontImage from start.
void ClearCell(Editor& ed, int start, int count, int width, int height);

}  // namespace pixmora
