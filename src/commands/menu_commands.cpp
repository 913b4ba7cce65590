#include "commands/menu_commands.h"

#include "commands/char_selection.h"
#include "commands/commands.h"
#include "commands/find_font.h"
#include "editor/editor.h"

namespace pixmora {

namespace {

constexpr int kTableColumns = 16;

constexpr std::array kFileItems{
    MenuItem{MenuCommand::New, "Создать", {"Ctrl+N", nullptr}},
    MenuItem{MenuCommand::Import, "Импортировать…", {"Ctrl+O", nullptr}},
    MenuItem{MenuCommand::FindFont, kFindFontCaption, {nullptr, nullptr}},
    MenuItem{MenuCommand::Save, "Сохранить…", {"Ctrl+S", nullptr}},
    MenuItem{MenuCommand::FromFont, "Из шрифта…", {nullptr, nullptr}},
    MenuItem{MenuCommand::Exit, "Выход", {"Ctrl+Q", nullptr}, true},
};
constexpr std::array kEditItems{
    MenuItem{MenuCommand::Undo, "Откат", {"Ctrl+Z", nullptr}},
    MenuItem{MenuCommand::Redo, "Вернуть", {"Ctrl+Y", "Ctrl+Shift+Z"}},
    MenuItem{MenuCommand::ClearChar, "Очистить знакоместо", {"Del", nullptr}, true},
    MenuItem{MenuCommand::CopyChar, "Копировать знак", {nullptr, nullptr}},
};
constexpr std::array kFontItems{
    MenuItem{MenuCommand::ChangeScan, "Изменить развертку…", {nullptr, nullptr}},
    MenuItem{MenuCommand::Enlarge, "Увеличить шрифт…", {nullptr, nullptr}},
    MenuItem{MenuCommand::CreateModel, "Создать модель…", {nullptr, nullptr}},
    MenuItem{MenuCommand::DeleteFont, "Удалить шрифт", {nullptr, nullptr}, true},
};
constexpr std::array kViewItems{
    MenuItem{MenuCommand::ZoomIn, "Крупнее", {"Ctrl++", "Ctrl+="}},
    MenuItem{MenuCommand::ZoomOut, "Мельче", {"Ctrl+-", nullptr}},
    MenuItem{MenuCommand::FitToWindow, "По размеру окна", {"Ctrl+0", nullptr}},
    MenuItem{MenuCommand::TableGlyphs, "Рисунки знаков в таблице", {nullptr, nullptr}, true},
};
constexpr std::array kHelpItems{
    MenuItem{MenuCommand::About, "О программе", {nullptr, nullptr}},
};

constexpr std::array kMenuBar{
    Menu{"&Файл", kFileItems}, Menu{"&Правка", kEditItems},  Menu{"&Шрифт", kFontItems},
    Menu{"&Вид", kViewItems},  Menu{"&Справка", kHelpItems},
};

bool FontOpen(const Editor& ed) {
    return !ed.table.locked;
}

}  // namespace

std::span<const Menu> MenuBar() {
    return kMenuBar;
}

std::optional<Ctl> ButtonOfMenuCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::New:
            return Ctl::New;
        case MenuCommand::Import:
            return Ctl::Import;
        case MenuCommand::Save:
            return Ctl::Save;
        case MenuCommand::FromFont:
            return Ctl::FromFont;
        case MenuCommand::FindFont:
            return Ctl::FindFont;
        case MenuCommand::Undo:
            return Ctl::Undo;
        case MenuCommand::Redo:
            return Ctl::Redo;
        case MenuCommand::ClearChar:
            return Ctl::ClearChar;
        case MenuCommand::ChangeScan:
            return Ctl::ChangeScan;
        case MenuCommand::Enlarge:
            return Ctl::Enlarge;
        case MenuCommand::CreateModel:
            return Ctl::CreateModel;
        case MenuCommand::DeleteFont:
            return Ctl::DeleteFont;
        default:
            return std::nullopt;
    }
}

bool MenuCommandEnabled(const Editor& ed, MenuCommand command) {
    if (const auto button = ButtonOfMenuCommand(command)) {
        return IsVisible(ed.win, *button);
    }
    switch (command) {
        case MenuCommand::CopyChar:
        case MenuCommand::ZoomIn:
        case MenuCommand::ZoomOut:
        case MenuCommand::FitToWindow:
            return FontOpen(ed);
        default:
            return true;
    }
}

std::optional<bool> MenuCommandChecked(const Editor& ed, MenuCommand command) {
    if (command == MenuCommand::TableGlyphs) {
        return ed.view.tableGlyphs;
    }
    return std::nullopt;
}

void RunMenuCommand(Editor& ed, Host& host, MenuCommand command, int shownDotSize) {
    if (!MenuCommandEnabled(ed, command)) {
        return;
    }
    if (const auto button = ButtonOfMenuCommand(command)) {
        RunCommand(ed, host, *button);
        return;
    }
    switch (command) {
        case MenuCommand::CopyChar:
            // As a double-click on the current character's cell: the next cell chosen gets it.
            ArmCopy(ed, ed.font.CurrentChar);
            break;
        case MenuCommand::ZoomIn:
            ZoomIn(ed.view.zoom, shownDotSize);
            break;
        case MenuCommand::ZoomOut:
            ZoomOut(ed.view.zoom, shownDotSize);
            break;
        case MenuCommand::FitToWindow:
            FitToWindow(ed.view.zoom);
            break;
        case MenuCommand::TableGlyphs:
            ed.view.tableGlyphs = !ed.view.tableGlyphs;
            break;
        default:
            break;
    }
}

int CharAfterKey(int current, TableKey key) {
    const int rowStart = current - current % kTableColumns;
    const int column = current % kTableColumns;
    int target = current;
    switch (key) {
        case TableKey::Left:
            target = current - 1;
            break;
        case TableKey::Right:
            target = current + 1;
            break;
        case TableKey::Up:
            target = current - kTableColumns;
            break;
        case TableKey::Down:
            target = current + kTableColumns;
            break;
        case TableKey::Home:
            target = rowStart;
            break;
        case TableKey::End:
            target = rowStart + kTableColumns - 1;
            break;
        case TableKey::PageUp:
            target = column;
            break;
        case TableKey::PageDown:
            target = kCharCount - kTableColumns + column;
            break;
    }
    return target >= 0 && target < kCharCount ? target : current;
}

void MoveCurrentChar(Editor& ed, TableKey key) {
    const int target = CharAfterKey(ed.font.CurrentChar, key);
    if (target != ed.font.CurrentChar) {
        SelectChar(ed, target);
    }
}

void EscapeKey(Editor& ed) {
    DeselectTool(ed);
}

}  // namespace pixmora
