#include "transform/scan_dialog.h"

#include "editor/dialog_shared.h"
#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora {

ScanDialogState OpenScanDialog(Editor& ed, Host& host) {
    ScanDialogState state;
    for (int scan = 0; scan < kScanCount; ++scan) {
        state.optionVisible[static_cast<std::size_t>(scan)] =
            ScanOffered(ed.params.CellWidth, scan);
    }
    SelectScanOption(state, host, ed.params.FontByteScan);
    return state;
}

void SelectScanOption(ScanDialogState& state, Host& host, int scan) {
    if (scan < 0 || scan >= kScanCount || !state.optionVisible[static_cast<std::size_t>(scan)]) {
        return;
    }
    state.selected = scan;
    state.picturePath = ScanPicturePath(host, scan);
}

}  // namespace pixmora
