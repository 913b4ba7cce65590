// What the main window's title and status bar say: the file the font came from or went to with
// the unsaved mark, and the current character.
#pragma once

#include <string>
#include <string_view>

namespace pixmora {

struct Editor;

inline constexpr std::string_view kWindowCaption = "Редактор знакогенератора";
inline constexpr std::string_view kUntitledName = "Без имени";

// The title is "NAME* — caption" while there is a name and just the caption otherwise; the mark
// stands while the font has unsaved changes.
struct WindowTitle {
    std::string name;  // empty before a font is open
    bool modified = false;
};

WindowTitle TitleOf(const Editor& ed);

// The file name of a path, without its directories.
std::string FileNameOf(const std::string& path);

// "Символ 41h (65) «A»"; a code that names no printable character shows no letter. Empty before
// a font is open.
std::string CurrentCharStatus(const Editor& ed);

// The text of "О программе".
std::string AboutText(std::string_view version, std::string_view licence,
                      std::string_view qtVersion);

}  // namespace pixmora
