// "Увеличить шрифт": converts the open font to a larger cell format in the same byte scan by
// repeating dot columns and rows (see line_mapping.h).
#pragma once

#include <cstdint>
#include <span>

namespace pixmora {

struct Editor;
class Host;

// Enlarges one glyph: the width pass widens each of the old rows, the height pass then repeats
// rows in place. `to` holds the new glyph's bytes and is written completely.
void EnlargeGlyph(std::span<const std::uint8_t> from, std::span<std::uint8_t> to, int scan,
                  int oldWidth, int oldHeight, int newWidth, int newHeight);

// Converts every drawn character to the cell format kCellFormats[formatIndex] and shows the font
// anew with character 0 current. A character counts as drawn when it is marked defined or holds
// any lit dot; the others come out empty. A format the enlargement dialog would not offer for
// this font changes nothing and gives false.
bool ConvertFont(Editor& ed, int formatIndex);

// The command: asks for the target format and converts when the dialog was accepted.
void EnlargeFont(Editor& ed, Host& host);

}  // namespace pixmora
