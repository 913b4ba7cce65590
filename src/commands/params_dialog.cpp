#include "commands/params_dialog.h"

#include "editor/editor.h"
#include "editor/font_settings.h"
#include "editor/host.h"

namespace pixmora {

ParamsDialogState OpenParamsDialog(Editor& ed) {
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
    ClickScanOption(host, dialog, kScanVertical1);
    dialog.okVisible = true;
    dialog.negativeVisible = true;
    ed.font.CellFormatChosen = kLit;
}

void ClickScanOption(Host& host, ParamsDialogState& dialog, int scan) {
    dialog.selectedOption = scan;
    dialog.picture = ScanPicturePath(host, scan);
}

void ClickNegativeCheck(Editor& ed, ParamsDialogState& dialog, bool checked) {
    dialog.negative = checked;
    SetNegativeFont(ed, checked);
}

std::optional<ParamsChoice> ConfirmParamsDialog(Host& host, ParamsDialogState& dialog) {
    if (dialog.comboText.empty() || !dialog.pendingFormat) {
        host.Message(kFormatMissing, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
        return std::nullopt;
    }
    dialog.open = false;
    return ParamsChoice{*dialog.pendingFormat, dialog.selectedOption, dialog.negative};
}

void CancelParamsDialog(ParamsDialogState& dialog) {
    dialog.open = false;
}

}  // namespace pixmora
