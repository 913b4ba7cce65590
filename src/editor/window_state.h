// What the main window shows besides the table and the grid: which controls are visible, the
// captions and field texts, and the window's own variables. The Qt window only renders this.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace pixmora {

// Controls whose visibility changes at run time (the rest are always shown).
enum class Ctl : std::size_t {
    Command1,     // "Создать"
    Command2,     // "Импортировать"
    Command3,     // clear the character cell
    Command4,     // "Удалить шрифт"
    Command5,     // "Сохранить"
    Command6,     // shift up
    Command7,     // shift down
    Command8,     // shift left
    Command9,     // shift right
    Command10,    // " Изменить развертку"
    Command11,    // undo ("откат")
    Command12,    // mirror
    Command13,    // "Увеличить шрифт"
    Command14,    // stretch horizontally
    Command15,    // compress horizontally
    Command16,    // stretch vertically
    Command17,    // compress vertically
    Command18,    // line
    Command19,    // fill
    Command20,    // polyline
    Command21,    // redo ("вернуть")
    Command22,    // " Создать модель"
    Command23,    // circle
    Label19,      // font caption
    Label30,      // "X=…  Y=…"
    Label31,      // "R=…"
    Label22,      // "Выходной файл"
    Label23,      // "Формат числа"
    Label24,      // "Формат строки"
    Label26,      // "Смещение:"
    Label1,       // "Символы:"
    Label20,      // "с"
    Label21,      // "по"
    Text2,        // first code of the range
    Text3,        // last code of the range
    Text4,        // HEX start address
    Combo1,       // output format
    Combo2,       // number notation
    Check1,       // "Негативный шрифт"
    Check2,       // "Неполный ЗГ"
    OutputFrame,  // the frame lines of the output area
    Count
};

inline constexpr std::size_t kCtlCount = static_cast<std::size_t>(Ctl::Count);

struct MainWindowState {
    std::array<bool, kCtlCount> visible{};

    std::string Label19;  // "Шрифт 16 x 24 вертикальный 1  "
    std::string Label30;  // "X=3  Y=7"
    std::string Label31;  // "R=5"
    std::string Text2 = "32";
    std::string Text3 = "255";
    std::string Text4 = "0";
    std::string Combo1 = "Data code";
    std::string Combo2 = "&hNN";
    bool Check1 = false;
    bool Check2 = false;

    int nosave = 0;      // 1: the font has unsaved changes
    int nosavesimb = 0;  // 1: the current character changed since it was shown
    int movie = 0;       // 1: copy mode is armed
    int simb1 = 0;       // the copy source
    std::string tex;     // the scan text of the font caption

    // The dot cell holding the input focus, -1 for none.
    int focusedDot = -1;
};

inline bool IsVisible(const MainWindowState& win, Ctl control) {
    return win.visible[static_cast<std::size_t>(control)];
}

inline void SetVisible(MainWindowState& win, Ctl control, bool shown) {
    win.visible[static_cast<std::size_t>(control)] = shown;
}

}  // namespace pixmora
