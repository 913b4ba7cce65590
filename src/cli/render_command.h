// pixmora-cli render: a PNG sheet of a font file's 224 characters (see font_sheet.h), or with
// --text one line of text as the editor's text preview draws it (see model/text_line.h).
#pragma once

#include <optional>
#include <string>

#include "cli/load_font.h"

namespace pixmora::cli {

struct RenderOptions {
    LoadOptions load;
    std::string output;
    int scale = 4;
    std::optional<std::string> text;  // UTF-8
    std::string look = "lcd";         // one of kLookWords
    std::optional<std::string> ink;   // RRGGBB: a custom pair with paper
    std::optional<std::string> paper;
};

// The display looks of the text preview, in its order.
inline constexpr const char* kLookWords[] = {"lcd", "blue", "oled"};

inline constexpr const char* kScaleRefused = "The scale must lie in 1..16: ";
inline constexpr const char* kColourRefused = "A colour is six hexadecimal digits RRGGBB: ";
inline constexpr const char* kPngFailed = "The PNG encoder failed.";

int RunRender(const RenderOptions& options, CliHost& host);

}  // namespace pixmora::cli
