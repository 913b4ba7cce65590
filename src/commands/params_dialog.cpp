#include "commands/params_dialog.h"

#include "editor/editor.h"
#include "editor/font_settings.h"
#include "editor/host.h"

namespace pixmora {

ParamsDialogState OpenParamsDialog(Editor& ed) {
    ed.font.DialogByteScan = kScanVertical1;
    if (ed.font.CellFormatChosen != kLit) {
        ed.params.PositiveFont = kLit;
    }
    return ParamsDialogState{};
}

void ChooseDialogFormat(Editor& ed, Host& host, ParamsDialogState& dialog, int formatIndex) {
    const CellFormat& format = kCellFormats.at(static_cast<std::size_t>(formatIndex));
    dialog.comboText = std::string(format.name);
    ed.params.CellFormatName = dialog.comboText;
    dialog.pictureVisible = true;
    dialog.pendingFormat = formatIndex;
    dialog.scanPromptVisible = true;
    for (int scan = 0; scan < kScanCount; ++scan) {
        dialog.optionVisible[static_cast<std::size_t>(scan)] = ScanOffered(format.width, scan);
    }
    ClickScanOption(ed, host, dialog, kScanVertical1);
    dialog.okVisible = true;
    dialog.negativeVisible = true;
    ed.font.CellFormatChosen = kLit;
}

void ClickScanOption(Editor& ed, Host& host, ParamsDialogState& dialog, int scan) {
    dialog.selectedOption = scan;
    ed.font.DialogByteScan = scan;
    dialog.picture = ScanPicturePath(host, scan);
}

void ClickNegativeCheck(Editor& ed, ParamsDialogState& dialog, bool checked) {
    dialog.negative = checked;
    SetNegativeFont(ed, checked);
}

void ConfirmParamsDialog(Editor& ed, Host& host, ParamsDialogState& dialog) {
    if (dialog.comboText.empty() || !dialog.pendingFormat) {
        host.Message(kFormatMissing, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
        return;
    }
    const BusyPointer busy(host);
    ed.params.CellFormatName = dialog.comboText;
    SetNegativeFont(ed, dialog.negative);

    const CellFormat& format = kCellFormats.at(static_cast<std::size_t>(*dialog.pendingFormat));
    ed.params.CellWidth = format.width;
    ed.params.CellHeight = format.height;
    ed.params.BytesPerChar = format.bytesPerChar;
    for (const Ctl control : {Ctl::Command3, Ctl::Command4, Ctl::Command5}) {
        SetVisible(ed.win, control, true);
    }
    ShowOutputArea(ed);
    ed.font.CurrentCharOffset = 0;
    ed.font.PreviousChar = 0;
    ed.font.CurrentChar = 0;
    ed.font.DialogByteScan = dialog.selectedOption;
    ed.params.FontByteScan = ed.font.DialogByteScan;
    dialog.open = false;
}

void CancelParamsDialog(Editor& ed, ParamsDialogState& dialog) {
    ed.font.ParamsDialogMode = kDialogEnded;
    dialog.open = false;
}

}  // namespace pixmora
