// Commands on the whole font or on the current character that draw nothing: clearing the
// character cell and deleting the font.
#pragma once

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kClearCharQuestion = "Информация о символе будет удалена. Продолжить?";
inline constexpr const char* kDeleteFontQuestion =
    "Данные знакогенератора будут удалены. Продолжить?";

// "очистить знакоместо": erases the current character; "откат" brings it back.
void ClearCurrentChar(Editor& ed, Host& host);

// "Удалить шрифт": erases every character but keeps the format, scan, polarity and the commands,
// leaving an empty font with nothing unsaved and character 0 current.
void DeleteFont(Editor& ed, Host& host);

}  // namespace pixmora
