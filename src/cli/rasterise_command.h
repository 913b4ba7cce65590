// pixmora-cli rasterise: draws a font file or an installed font into a cell format and writes the
// drawing as convert writes a font.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/convert_command.h"

namespace pixmora::cli {

struct RasteriseCommandOptions {
    std::string font;    // the font file; with --family the only positional: OUTPUT
    ConvertOptions out;  // OUTPUT and the options of the written file
    std::string format;  // "W x H"
    int scan = 0;
    bool negative = false;
    std::string size = "auto";
    std::optional<int> threshold;  // smooth rendering cut at this coverage
    int scaleX = 100;
    bool bold = false;
    std::optional<int> baseline;
    int offset = 0;
    bool centre = false;
    std::optional<std::string> family;
    std::optional<std::string> style;
    bool json = false;
};

inline constexpr const char* kSizeRefused = "The size must be auto or a pixel count 1..512: ";
inline constexpr const char* kFontOrFamily =
    "Give either FONTFILE or --family and --style, not both";
inline constexpr const char* kNoInstalledFont = "No installed font of this family and style: ";

int RunRasterise(const RasteriseCommandOptions& options, CliHost& host, std::ostream& out);

}  // namespace pixmora::cli
