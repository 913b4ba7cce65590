// The model files beside the program (Model/t0.mod, t1.mod, ..., one per cell format) and the
// correction command that replaces one of their rows by glyphs of the open font.
//
// A model file is source text like an exported font: 64 x BytesPerChar values in the main window's
// output format and number notation, never inverted. The layout of the glyphs is in
// model_glyphs.h.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "io/model_glyphs.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kModelDialogTitle = "Коррекция файла моделей";
inline constexpr const char* kRowPrompt = "номер заменяемой строки (0...3)";
inline constexpr const char* kBackupCaption = "Сохранить резервную копию исходного файла моделей";
inline constexpr const char* kBadRowNumber = "Недопустимый номер строки!";
inline constexpr const char* kModelFileUpdated = "Файл моделей обновлен.";
inline constexpr const char* kModelFileKept = "Файл моделей не изменен.";
// The second line after kModelFileUpdated when the user's copy was written, before its path.
inline constexpr const char* kUserModelCopy = "Копия пользователя: ";
// A model row is formed only from a drawn font: a blank reference glyph would match every blank
// character of an imported file perfectly.
inline constexpr const char* kNoFontForModel = "Нет открытого шрифта.";
inline constexpr const char* kUndrawnTestChars = "В шрифте не нарисованы символы: ";

// "t0.mod" .. "t10.mod" for the format of this index.
std::string ModelFileName(int formatIndex);
// The backup of a model file: "t3.mod" gives "t3.old".
std::string BackupFileName(std::string_view modelName);
// <program directory>/Model: where the model files lie.
std::string ModelDirPath(const std::string& programDir);
// <program directory>/Model/<name>.
std::string ModelFilePath(const std::string& programDir, std::string_view name);

// The row a text names: a number that is at most 3 and rounds (halves to even) to 0..3, so "2.5"
// is row 2 and "-0.4" row 0. Nothing for an empty text, "x", "3.6" or "-1".
std::optional<int> ModelRowNumber(std::string_view text);

// Puts the 16 test characters of the open font, in its own scan, into row `row` of the model
// bytes, each converted to "вертикально 1" and moved to the bottom-left corner.
void FormModelRow(const Editor& ed, std::span<std::uint8_t> model, int row);

// The 64 glyphs of a model as text in the main window's output format and number notation.
std::string ModelFileText(const Editor& ed, std::span<const std::uint8_t> model, int bytesPerChar);

// The dialog "Коррекция файла моделей". It does not block the main window, so the open font may
// change format while it is open: "ОК" checks the file against the font's format again, and when
// it differs, names the new file in the label and waits for a second "ОК".
struct ModelDialogState {
    int formatIndex = 0;     // the model file the label names
    std::string label;       // what will be replaced, and in which file
    std::string rowText;     // the row number as typed
    bool keepBackup = true;  // write the backup first
    bool open = true;
};

inline constexpr const char* kFormatChangedText =
    "Формат текущего шрифта изменился.\nСтрока будет заменена в файле моделей ";

// "Будет выполнена замена указанной ниже строки\nв файле моделей t1.mod на сформированную из \n"
// "символов текущего шрифта."
std::string ModelDialogLabel(int formatIndex);

// The dialog opens for the open font's format.
ModelDialogState StartModelDialog(const Editor& ed);

// The test characters, blank excepted, that hold no lit dot in the open font, named as the table
// shows them and separated by blanks ("А Б В Г"); empty when all are drawn.
std::string UndrawnTestChars(const Editor& ed);

// "ОК": replaces the row, writes the backup and the model file whole, makes character 0 current and
// closes the dialog. The file is the program's own where that can be changed, else the user's copy
// (model_places.h), which the first correction makes from the shipped file. `charShown` runs once
// character 0 is current, before the closing message, so the main window can show it first. A
// refused row number, no open font, an undrawn test character, an unreadable or unwritable file or
// a syntax error leaves the dialog open and the model file and the font as they were.
void CorrectModelFile(Editor& ed, Host& host, ModelDialogState& dialog,
                      const std::function<void()>& charShown = {});

}  // namespace pixmora
