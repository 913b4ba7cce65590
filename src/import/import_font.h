// "Импортировать": makes a font file the open font. The file's parameters are recognised and
// confirmed, or entered in the parameters dialog; a file holding only the Cyrillic block may be
// laid over the open font. Whatever ends the import early leaves the previous font as it was.
#pragma once

#include <cstdint>
#include <span>

#include "import/confirm_import.h"
#include "import/recognition.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kImportDialogTitle = "Загрузить файл знакогенератора";
inline constexpr const char* kImportFilter =
    "Файлы знакогенератора(*.fnt)|*.fnt|Файлы знакогенератора(*.hex)|*.hex|"
    "Двоичные файлы(*.bin)|*.bin|Шрифты BDF(*.bdf)|*.bdf|Заголовки C(*.h)|*.h|"
    "Все файлы(*.*)|*.*";

void ImportFont(Editor& ed, Host& host);

// Marks every character that holds dots as defined: black text, and the bullet where its cell
// shows no letter, at the size and weight the load gave every cell.
void MarkDrawnChars(Editor& ed);

// The load step for parameters already known: they become the font's, and the bytes read (as the
// file holds them, complemented here for a negative font) go into FontImage from code 32 on, or for
// a Cyrillic block alone from code 192, laid over the open font's other characters when the
// decision is Overlay and over an empty image otherwise. The font is then shown with character 0
// current, as after an import.
void LoadFontData(Editor& ed, const Candidate& candidate, std::span<const std::uint8_t> read,
                  bool cyrillicBlock, ImportDecision decision);

}  // namespace pixmora
