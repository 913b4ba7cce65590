#include "cli/rasterise_command.h"

#include <charconv>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/load_font.h"
#include "commands/from_font.h"
#include "editor/editor.h"
#include "fontfile/installed_fonts.h"
#include "model/formats.h"

namespace pixmora::cli {

namespace {

constexpr int kMaxSize = 512;

std::optional<int> SizeOf(const std::string& text) {
    if (text == "auto") {
        return 0;
    }
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size < 1 || size > kMaxSize) {
        return std::nullopt;
    }
    return size;
}

nlohmann::ordered_json DrawingJson(const FromFontChoice& choice, const RasterisedFont& font) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(choice.options.formatIndex)];
    nlohmann::ordered_json json;
    json["font"] = choice.path;
    json["format"] = std::string(format.name);
    json["scan"] = choice.scan;
    json["negative"] = choice.negative;
    json["size"] = font.size;
    json["baseline"] = font.baseline;
    json["missing"] = font.missing;
    json["cut"] = font.cut;
    return json;
}

// The font file, the format and the drawing options as the command line gives them; an exit code
// when they are refused.
int ChoiceOf(const RasteriseCommandOptions& options, FromFontChoice& choice, CliHost& host) {
    if (options.family) {
        const std::optional<std::string> path =
            FindInstalledFont(*options.family, options.style.value_or(""));
        if (!path) {
            host.Tell(kNoInstalledFont + *options.family + " " + options.style.value_or(""));
            return kExitFailed;
        }
        choice.path = *path;
    } else {
        choice.path = options.font;
    }
    const std::optional<int> format = FormatIndexByName(options.format);
    if (!format) {
        host.Tell(kUnknownFormat + options.format);
        return kExitRefused;
    }
    const CellFormat& cell = kCellFormats[static_cast<std::size_t>(*format)];
    if (!ScanOffered(cell.width, options.scan)) {
        host.Tell(kScanNotOffered + std::string(cell.name) + ", " + std::to_string(options.scan));
        return kExitRefused;
    }
    const std::optional<int> size = SizeOf(options.size);
    if (!size) {
        host.Tell(kSizeRefused + options.size);
        return kExitRefused;
    }
    choice.scan = options.scan;
    choice.negative = options.negative;
    RasteriseOptions& drawing = choice.options;
    drawing.formatIndex = *format;
    if (*size > 0) {
        drawing.size = *size;
    }
    drawing.smooth = options.threshold.has_value();
    drawing.threshold = options.threshold.value_or(drawing.threshold);
    drawing.scaleX = options.scaleX;
    drawing.bold = options.bold;
    drawing.baseline = options.baseline;
    drawing.offset = options.offset;
    drawing.centre = options.centre;
    return kExitOk;
}

}  // namespace

int RunRasterise(const RasteriseCommandOptions& given, CliHost& host, std::ostream& out) {
    RasteriseCommandOptions options = given;
    if (options.family) {
        // With --family the one positional given is OUTPUT.
        if (!options.out.output.empty()) {
            host.Tell(kFontOrFamily);
            return kExitFailed;
        }
        options.out.output = options.font;
    }
    if (const int checked = CheckOutputOptions(options.out, host); checked != kExitOk) {
        return checked;
    }
    FromFontChoice choice;
    if (const int chosen = ChoiceOf(options, choice, host); chosen != kExitOk) {
        return chosen;
    }
    const DrawnFont drawn = DrawFromFont(choice);
    if (!drawn.font) {
        host.Tell(drawn.failure);
        return kExitFailed;
    }
    const auto ed = std::make_unique<Editor>();
    InstallDrawnFont(*ed, *drawn.font, choice);
    if (const int written = WriteOutput(*ed, options.out, host); written != kExitOk) {
        return written;
    }
    if (options.json) {
        out << DrawingJson(choice, *drawn.font).dump(2) << "\n";
    }
    return kExitOk;
}

}  // namespace pixmora::cli
