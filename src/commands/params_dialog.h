// The font parameters dialog ("Параметры знакогенератора"): cell format, byte scan and polarity of
// a new font, or of an import whose parameters were not recognised. The rules live here over a
// small state struct; the Qt dialog only shows that state and calls these functions.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "editor/dialog_shared.h"
#include "editor/params_choice.h"
#include "model/formats.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kParamsDialogTitle = "Параметры знакогенератора";
inline constexpr const char* kFormatPrompt = "Формат знакоместа (Х х Y): ";
inline constexpr const char* kScanPrompt = "Развертка байта: ";
inline constexpr const char* kNegativeCaption = "негативный шрифт";
inline constexpr const char* kNoFormatText = "???";

struct ParamsDialogState {
    std::string comboText = kNoFormatText;  // the format list's text
    std::optional<int> pendingFormat;       // index into kCellFormats of the chosen format
    bool scanPromptVisible = false;         // "Развертка байта: "
    std::array<bool, kScanCount> optionVisible{};
    int selectedOption = kScanVertical1;
    bool pictureVisible = false;
    std::string picture;  // path of the scan picture shown
    bool negative = false;
    bool negativeVisible = false;
    bool okVisible = false;
    bool open = true;  // only "ОК" with a format and "Отмена" close the dialog
};

// The dialog opens: its controls start over; the open font's parameters are not touched.
ParamsDialogState OpenParamsDialog(Editor& ed);
// A format was picked in the list: the scan options it offers are shown, "вертикально 1" selected.
void ChooseDialogFormat(Editor& ed, Host& host, ParamsDialogState& dialog, int formatIndex);
// A scan option was clicked.
void ClickScanOption(Host& host, ParamsDialogState& dialog, int scan);
// "негативный шрифт" was clicked; the main window's check box follows at once.
void ClickNegativeCheck(Editor& ed, ParamsDialogState& dialog, bool checked);
// "ОК": closes with the chosen parameters, or says that no format is chosen and stays open.
std::optional<ParamsChoice> ConfirmParamsDialog(Host& host, ParamsDialogState& dialog);
// "Отмена": closes without a choice.
void CancelParamsDialog(ParamsDialogState& dialog);

}  // namespace pixmora
