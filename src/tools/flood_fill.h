// The fill tool lights the dark region around the clicked dot. The region must be closed by lit
// dots inside the cell area; one that reaches the border of the cell is reported and the fill
// stops where it got to.
#pragma once

namespace pixmora {

struct Editor;
class Host;

// "\r" is the bare carriage return the message is built with.
inline constexpr const char* kFillBorderError =
    "Отсутствует или нарушена граница \rобласти заливки. Отмена операции.";
inline constexpr const char* kFillBorderTitle = "Ошибка!";

// Fills the four-connected dark region of `dot` (diagonal neighbours do not connect, so a
// diagonal line closes a region). Whether the region is closed or not, the dots lit are written
// into the font as one undo step; after a border error the fill tool is released.
void FloodFill(Editor& ed, Host& host, int dot);

}  // namespace pixmora
