// What the main window shows besides the table and the grid: which controls are visible, the
// captions and field texts, and the window's own variables. The Qt window only renders this.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace pixmora {

// Controls whose visibility changes at run time (the rest are always shown), named by role; the
// window's Qt object names of them are in one table in gui/control_names.h.
enum class Ctl : std::size_t {
    New,                 // "Создать"
    Import,              // "Импортировать"
    FromFont,            // "Из шрифта…"
    FindFont,            // "Найти шрифт…"
    ClearChar,           // clear the character cell
    DeleteFont,          // "Удалить шрифт"
    Save,                // "Сохранить"
    ShiftUp,             // shift up
    ShiftDown,           // shift down
    ShiftLeft,           // shift left
    ShiftRight,          // shift right
    ChangeScan,          // " Изменить развертку"
    Undo,                // undo ("откат")
    Mirror,              // mirror
    Enlarge,             // "Увеличить шрифт"
    StretchHorizontal,   // stretch horizontally
    CompressHorizontal,  // compress horizontally
    StretchVertical,     // stretch vertically
    CompressVertical,    // compress vertically
    Line,                // line
    Fill,                // fill
    Polyline,            // polyline
    Redo,                // redo ("вернуть")
    CreateModel,         // " Создать модель"
    Circle,              // circle
    FontCaption,         // font caption
    Coordinates,         // "X=…  Y=…"
    Radius,              // "R=…"
    OutputTitle,         // "Выходной файл"
    NotationLabel,       // "Формат числа"
    KindLabel,           // "Формат строки"
    AddressLabel,        // "Смещение:"
    RangeLabel,          // "Символы:"
    FromLabel,           // "с"
    ToLabel,             // "по"
    FirstCode,           // first code of the range
    LastCode,            // last code of the range
    StartAddress,        // HEX start address
    OutputKind,          // output format
    Notation,            // number notation
    Negative,            // "Негативный шрифт"
    IncompleteSet,       // "Неполный ЗГ"
    OutputFrame,         // the frame lines of the output area
    ArrayNameLabel,      // "Имя массива"
    ArrayName,           // the C header's or GFX font's name
    Art,                 // "Рисунок символов"
    PlacementLabel,      // "Размещение"
    Placement,           // the C header's placement attribute
    BaselineLabel,       // "Базовая строка"
    BaselineRow,         // the BDF and GFX baseline row
    CodePageCodes,       // "Коды Windows-1251"
    GfxStructs,          // "Объявить GFXglyph и GFXfont"
    Count
};

inline constexpr std::size_t kCtlCount = static_cast<std::size_t>(Ctl::Count);

struct MainWindowState {
    std::array<bool, kCtlCount> visible{};

    std::string fontCaption;       // "Шрифт 16 x 24 вертикальный 1  "
    std::string coordinates;       // "X=3  Y=7"
    std::string radius;            // "R=5"
    std::string firstCode = "32";  // the range fields, as typed
    std::string lastCode = "255";
    std::string startAddress = "0";        // the HEX start address, as typed
    std::string outputKind = "Data code";  // "Формат строки"
    std::string notation = "&hNN";         // "Формат числа"
    bool negative = false;                 // "Негативный шрифт"
    bool incompleteSet = false;            // "Неполный ЗГ"
    std::string arrayName;                 // empty: the format's name
    bool art = false;                      // "Рисунок символов"
    std::string placement = "нет";         // "Размещение"
    std::string baselineRow;               // empty: found from the capitals
    bool codePageCodes = false;            // "Коды Windows-1251"
    bool gfxStructs = false;               // "Объявить GFXglyph и GFXfont"

    int nosave = 0;        // 1: the font has unsaved changes
    int nosavesimb = 0;    // 1: the current character changed since it was shown
    int movie = 0;         // 1: copy mode is armed
    int simb1 = 0;         // the copy source
    std::string tex;       // the scan text of the font caption
    std::string fileName;  // the file last imported or exported, without its directories

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
