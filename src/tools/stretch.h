// Stretch and compress make the drawing one dot wider, narrower, taller or lower at a chosen
// column or row. The part before that line (left of it, above it) moves by one dot; the part
// after it stays. Each performed operation is one undo step.
#pragma once

namespace pixmora {

struct Editor;

// Doubles `column`: columns 0..column-1 move one to the left. Refused while column 0 holds a lit
// dot, since the drawing would leave the cell.
void StretchHorizontal(Editor& ed, int column);
// Removes `column`: the columns left of it move one to the right and column 0 becomes empty.
void CompressHorizontal(Editor& ed, int column);
// Doubles `row`: rows 0..row-1 move one up. Refused while row 0 holds a lit dot.
void StretchVertical(Editor& ed, int row);
// Removes `row`: the rows above it move one down and row 0 becomes empty.
void CompressVertical(Editor& ed, int row);

}  // namespace pixmora
