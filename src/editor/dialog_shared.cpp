#include "editor/dialog_shared.h"

#include "editor/host.h"

namespace pixmora {

std::string ScanPicturePath(Host& host, int scan) {
    return host.ProgramDir() + "/Pict/v" + std::to_string(scan) + ".bmp";
}

}  // namespace pixmora
