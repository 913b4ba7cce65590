// "Из шрифта…": draws a font file (or an installed font) into the cells and makes the drawing the
// open font, or fills the open font's characters that are not yet drawn, or its current one.
#pragma once

#include <optional>
#include <string>

#include "editor/from_font_choice.h"
#include "fontfile/rasterise.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kFromFontCaption = "Из шрифта…";
inline constexpr const char* kFromFontTip =
    "Нарисовать знаки из файла шрифта или установленного шрифта";

// The font drawn as chosen, or why it cannot be drawn (worded for the user).
struct DrawnFont {
    std::optional<RasterisedFont> font;
    std::string failure;
};
DrawnFont DrawFromFont(const FromFontChoice& choice);

// The drawing becomes the open font as an import's load step makes it (then counted unsaved), or
// fills the chosen characters of the open font, whose format and scan the drawing then has. Either
// way the drawn characters are marked defined and character 0 is shown with a fresh history.
void InstallDrawnFont(Editor& ed, const RasterisedFont& font, const FromFontChoice& choice);

// The command: the dialog, the unsaved-changes question before the open font is replaced, the
// drawing; a font that cannot be drawn is told and leaves the open font as it was.
void DrawFontFromFile(Editor& ed, Host& host);

}  // namespace pixmora
