// The fonts the row chooser trains on and the fonts it is judged on. Every font belongs to a
// family, and a family is in one set only: the validation families draw no candidate row and are
// never trained on, so their figure says how fonts nobody tuned for fare. Candidate rows come from
// the training families (model_fonts.h); a training font is scored without the rows of its own
// family, as if its family had drawn none.
#pragma once

#include <string>
#include <vector>

#include "glyph_render.h"

namespace models {

struct SetFont {
    std::string family;
    FontSource source;
};

// Outline faces at the heights the chooser and the measurements draw them (shares of the drawing
// area), bitmap strikes as drawn and, for the large cells, doubled and tripled. Which formats a
// font goes to is decided by fit (FontFitsCell).
std::vector<SetFont> TrainingFonts();
std::vector<SetFont> ValidationFonts();

// A set font belongs in a cell format when its capitals and digits fit the drawing area and fill
// at least half of its height; outline fonts are sized to the area and always belong, above 8 x 8.
bool FontFitsCell(const FreeTypeLibrary& library, const FontSource& source, int width, int height);

}  // namespace models
