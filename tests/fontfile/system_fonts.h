// Fonts of Debian packages scripts/install-deps.sh installs (a test skips where one is missing),
// and dot matrices as the pictures the tests compare.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fontfile/font_face.h"

namespace pixmora::test {

inline const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline const std::string kDejaVuSerif = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
inline const std::string kDejaVuMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline const std::string kTerminusTtf = "/usr/share/fonts/truetype/terminus/TerminusTTF-4.46.0.ttf";
inline const std::string kFixed6x13 = "/usr/share/fonts/X11/misc/6x13.pcf.gz";
inline const std::string kFixed9x15 = "/usr/share/fonts/X11/misc/9x15.pcf.gz";
inline const std::string kConsoleVga16 = "/usr/share/consolefonts/CyrSlav-VGA16.psf.gz";
inline const std::string kConsoleVga8 = "/usr/share/consolefonts/FullCyrSlav-VGA8.psf.gz";
inline const std::string kConsoleTerminus20 =
    "/usr/share/consolefonts/CyrSlav-Terminus20x10.psf.gz";

#define PIXMORA_NEEDS_FONT(path)                                               \
    if (!std::filesystem::exists(path)) {                                      \
        GTEST_SKIP() << path << " is not installed (scripts/install-deps.sh)"; \
    }

// Rows of '#' (lit) and '.' (dark).
inline std::vector<std::string> Picture(const DotPicture& dots) {
    std::vector<std::string> rows;
    for (int y = 0; y < dots.height; ++y) {
        std::string row;
        for (int x = 0; x < dots.width; ++x) {
            row += dots.at(x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace pixmora::test
