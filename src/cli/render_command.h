// pixmora-cli render: a PNG sheet of a font file's 224 characters (see font_sheet.h).
#pragma once

#include <string>

#include "cli/load_font.h"

namespace pixmora::cli {

struct RenderOptions {
    LoadOptions load;
    std::string output;
    int scale = 4;
};

inline constexpr const char* kScaleRefused = "The scale must lie in 1..16: ";
inline constexpr const char* kPngFailed = "The PNG encoder failed.";

int RunRender(const RenderOptions& options, CliHost& host);

}  // namespace pixmora::cli
