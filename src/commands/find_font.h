// "Найти шрифт…": searches a firmware image (a raw binary read out of the flash, Intel HEX or ELF)
// for font tables, lists them best first and opens the one chosen as the import opens a font.
#pragma once

#include "import/font_finder.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kFindFontCaption = "Найти шрифт…";
inline constexpr const char* kFindFontTip = "Найти таблицу шрифта в образе прошивки";
inline constexpr const char* kFindDialogTitle = "Открыть образ прошивки";
inline constexpr const char* kFindFilter =
    "Образы прошивки(*.bin *.hex *.ihx *.elf)|*.bin;*.hex;*.ihx;*.elf|"
    "Двоичные файлы(*.bin)|*.bin|Файлы Intel HEX(*.hex *.ihx)|*.hex;*.ihx|"
    "Файлы ELF(*.elf)|*.elf|Все файлы(*.*)|*.*";
inline constexpr const char* kFindProgressText = "Поиск шрифта в образе прошивки…";
inline constexpr const char* kNothingFoundText = "Шрифт в образе прошивки не найден.";

void FindFontInImage(Editor& ed, Host& host);

// The table becomes the open font: codes 32..255 as far as it reaches, with its parameters,
// character 0 current and a fresh undo history, the font counting as saved.
void OpenFoundFont(Editor& ed, const FirmwareImage& image, const FoundFont& found);

}  // namespace pixmora
