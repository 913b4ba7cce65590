#include "editor/cell_view.h"

#include <algorithm>

#include "editor/editor.h"

namespace pixmora {

void PaintCellBackground(Editor& ed, int width, int height) {
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int dot = DotIndex(row, column);
            const Colour background = IsMarginDot(width, height, row, column) ? kYellow : kWhite;
            ed.font.DotGrid[dot] = kDark;
            ed.font.DotBackColor[dot] = background;
            ed.font.DotColour[dot] = background;
        }
    }
}

void ClearCell(Editor& ed, int start, int count, int width, int height) {
    PaintCellBackground(ed, width, height);
    std::fill_n(ed.font.FontImage.begin() + start, count, std::uint8_t{0});
}

}  // namespace pixmora
