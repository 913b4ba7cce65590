// The menus and keys of the main window. Every menu item that stands for a button runs that
// button's command and is offered exactly while the button is shown; the others act on the view.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "editor/window_state.h"

namespace pixmora {

struct Editor;
class Host;

enum class MenuCommand {
    New,
    Import,
    FindFont,
    Save,
    FromFont,
    Exit,
    Undo,
    Redo,
    ClearChar,
    CopyChar,
    ChangeScan,
    Enlarge,
    CreateModel,
    DeleteFont,
    ZoomIn,
    ZoomOut,
    FitToWindow,
    TableGlyphs,
    About,
};

struct MenuItem {
    MenuCommand command;
    const char* text;
    // Key sequences in Qt's portable text form ("Ctrl+Z"); up to two, the first is shown.
    std::array<const char*, 2> keys;
    bool separatorBefore = false;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// The menu bar, left to right.
std::span<const Menu> MenuBar();

// The button whose command a menu item runs, if it has one.
std::optional<Ctl> ButtonOfMenuCommand(MenuCommand command);

// Whether the item can be chosen now. Exit and About are always offered.
bool MenuCommandEnabled(const Editor& ed, MenuCommand command);

// A check mark item: whether it is on.
std::optional<bool> MenuCommandChecked(const Editor& ed, MenuCommand command);

// Runs the item's command. The view items need the dot size the grid shows now; Exit and About
// belong to the window and do nothing here.
void RunMenuCommand(Editor& ed, Host& host, MenuCommand command, int shownDotSize);

// Keys that move the current character in the table.
enum class TableKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// The character a key leads to from `current`: Left and Right step through the codes, Up and
// Down go a row, Home and End to the ends of the row, PageUp and PageDown to the top and bottom of
// the column. At an edge the character stays.
int CharAfterKey(int current, TableKey key);

// The key as a click on the cell it leads to; at an edge nothing happens.
void MoveCurrentChar(Editor& ed, TableKey key);

// Escape: releases the armed tool.
void EscapeKey(Editor& ed);

}  // namespace pixmora
