#include "model/font_model.h"

namespace pixmora {

void ShowCellArea(FontModel& font, int width, int height) {
    for (int dot = 0; dot < kGridDots; ++dot) {
        font.DotVisible[dot] = DotRow(dot) < height && DotColumn(dot) < width;
    }
}

}  // namespace pixmora
