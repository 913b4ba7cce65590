#include "transform/scan_dialog.h"

#include "model/editor.h"
#include "model/host.h"
#include "ui/params_dialog.h"

namespace pixmora {

std::string_view ByteScanName(int scan) {
    static constexpr std::array<std::string_view, kScanCount> kNames{
        "Вертикальная 1", "Вертикальная 2", "Горизонтальная 1", "Горизонтальная 2"};
    return kNames.at(static_cast<std::size_t>(scan));
}

ScanDialogState OpenScanDialog(Editor& ed, Host& host) {
    ScanDialogState state;
    for (int scan = 0; scan < kScanCount; ++scan) {
        state.optionVisible[static_cast<std::size_t>(scan)] =
            ScanOffered(ed.params.CellWidth, scan);
    }
    SelectScanOption(state, ed, host, ed.params.FontByteScan);
    return state;
}

void SelectScanOption(ScanDialogState& state, Editor& ed, Host& host, int scan) {
    if (scan < 0 || scan >= kScanCount || !state.optionVisible[static_cast<std::size_t>(scan)]) {
        return;
    }
    state.selected = scan;
    state.picturePath = ScanPicturePath(host, scan);
    ed.font.DialogByteScan = scan;
}

}  // namespace pixmora
