// What the drawing and reshaping tools share: how a tool lights a dot, how a drawing on the grid
// is committed to the font, and how a tool that works on bytes reads and writes the glyph.
#pragma once

#include <cstdint>
#include <span>

#include "model/glyph_packing.h"

namespace pixmora {

struct Editor;

// The bytes of the current character.
std::span<std::uint8_t> CurrentGlyph(Editor& ed);

bool InCellArea(const Editor& ed, int row, int column);

// Lights a dot with the tools' ink: red where it shows the margin or a margin dot, blue elsewhere.
void LightDot(Editor& ed, int dot);

// The current character was changed by a tool: its table cell takes the defined look and the font
// counts as unsaved, so neither the close prompt nor the enlargement passes it over.
void MarkCharEdited(Editor& ed);

// Writes what a tool drew on the grid into the current character as one undo step.
void CommitDrawing(Editor& ed);

// The current character as a dot matrix, and back into its bytes.
DotMatrix CurrentDots(Editor& ed);
void StoreCurrentDots(Editor& ed, const DotMatrix& dots);

}  // namespace pixmora
