// "Импортировать": makes a font file the open font. The file's parameters are recognised and
// confirmed, or entered in the parameters dialog; a file holding only the Cyrillic block may be
// laid over the open font. Whatever ends the import early leaves the previous font as it was.
#pragma once

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kImportDialogTitle = "Загрузить файл знакогенератора";
inline constexpr const char* kImportFilter =
    "Файлы знакогенератора(*.fnt)|*.fnt|Файлы знакогенератора(*.hex)|*.hex|Все файлы(*.*)|*.*";

void ImportFont(Editor& ed, Host& host);

}  // namespace pixmora
