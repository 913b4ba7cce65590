// The rules of the scan dialog ("Укажите требуемый вид развертки байтов"): which scans it offers
// for the open font, which one is selected and the picture that explains it. "ОК" closes it with
// the selected scan.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/formats.h"

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kScanDialogTitle = "Укажите требуемый вид развертки байтов";

struct ScanDialogState {
    std::array<bool, kScanCount> optionVisible{};
    int selected = kScanVertical1;
    std::string picturePath;  // the drawing of the selected scan; it may not exist
};

// The dialog opens: horizontal scans only for widths that are multiples of 8, the font's own scan
// selected.
ScanDialogState OpenScanDialog(Editor& ed, Host& host);

// An option is clicked: it becomes the chosen scan and its picture is shown. Hidden options
// cannot be chosen.
void SelectScanOption(ScanDialogState& state, Host& host, int scan);

}  // namespace pixmora
