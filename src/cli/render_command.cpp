#include "cli/render_command.h"

#include <charconv>
#include <iterator>
#include <memory>
#include <optional>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/font_sheet.h"
#include "editor/editor.h"
#include "io/export.h"
#include "io/file_commit.h"
#include "io/png_file.h"
#include "model/text_line.h"

namespace pixmora::cli {

namespace {

// "RRGGBB" as the program's 0x00BBGGRR.
std::optional<Colour> ColourOfText(const std::string& text) {
    unsigned rgb = 0;
    const char* end = text.data() + text.size();
    if (text.size() != 6 || std::from_chars(text.data(), end, rgb, 16).ptr != end) {
        return std::nullopt;
    }
    return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

// The look named, with --ink and --paper over its colours.
std::optional<DisplayLook> LookOf(const RenderOptions& options, CliHost& host) {
    DisplayLook look = kDisplayLooks[0].look;
    for (std::size_t at = 0; at < std::size(kLookWords); ++at) {
        if (options.look == kLookWords[at]) {
            look = kDisplayLooks[at].look;
        }
    }
    for (const auto& [given, colour] :
         {std::pair{&options.ink, &look.ink}, std::pair{&options.paper, &look.paper}}) {
        if (*given) {
            const std::optional<Colour> value = ColourOfText(**given);
            if (!value) {
                host.Tell(kColourRefused + **given);
                return std::nullopt;
            }
            *colour = *value;
        }
    }
    return look;
}

}  // namespace

int RunRender(const RenderOptions& options, CliHost& host) {
    if (options.scale < 1 || options.scale > kMaxScale) {
        host.Tell(kScaleRefused + std::to_string(options.scale));
        return kExitRefused;
    }
    const std::optional<DisplayLook> look = LookOf(options, host);
    if (!look) {
        return kExitRefused;
    }
    const auto ed = std::make_unique<Editor>();
    if (const int loaded = LoadInputFont(*ed, options.load, host); loaded != kExitOk) {
        return loaded;
    }
    const PixelImage picture =
        options.text ? RenderTextLine(ed->params, ed->font, *options.text, options.scale, *look)
                     : FontSheet(*ed, options.scale);
    const std::optional<std::string> png = EncodePng(picture);
    if (!png) {
        host.Tell(kPngFailed);
        return kExitFailed;
    }
    if (const std::optional<std::string> failure = CommitFile(options.output, *png)) {
        host.Tell(SaveFailedText(options.output, *failure));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace pixmora::cli
