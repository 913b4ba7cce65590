// The settings of the output area: negative font, incomplete set and the output format. Each runs
// whenever its control's value changes, whether the user or a command changed it.
#pragma once

#include <string>

namespace pixmora {

struct Editor;

inline constexpr const char* kOutputFormats[] = {"Data code",    ".Db code",     "Code",
                                                 "Intel HEX",    "Заголовок C",  "Шрифт BDF",
                                                 "Adafruit GFX", "Двоичный файл"};
// "Размещение" of the C header, in the order of FlashPlacement.
inline constexpr const char* kPlacements[] = {"нет", "PROGMEM", ".rodata"};
inline constexpr const char* kNumberNotations[] = {"&hNN", "$NN", "#NN", "0xNN", "NNh"};

// "Негативный шрифт": only the polarity flag follows; the image is never changed.
void SetNegativeFont(Editor& ed, bool checked);
// "Неполный ЗГ": shows or hides the range fields, keeping their texts.
void SetIncompleteSet(Editor& ed, bool checked);
// The output format list: "Intel HEX" shows the start address instead of the number notation; the
// firmware kinds show their own options instead (the C header is always 0xNN).
void ChooseOutputFormat(Editor& ed, const std::string& format);

// Shows the output area of an open font: the check boxes, the output format list with its labels,
// and the number format or the HEX start address, whichever the output format asks for.
void ShowOutputArea(Editor& ed);
// Shows the editing commands of an open font; undo and redo wait until the history offers a step.
void ShowEditingCommands(Editor& ed);

}  // namespace pixmora
