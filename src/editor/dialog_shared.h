// What the dialogs of several commands share: the missing-format message and the scan pictures.
#pragma once

#include <string>

namespace pixmora {

class Host;

inline constexpr const char* kFormatMissing = "Укажите формат знакоместа!";

// The picture of a byte scan: Pict/v<scan>.bmp beside the program.
std::string ScanPicturePath(Host& host, int scan);

}  // namespace pixmora
