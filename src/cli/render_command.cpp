#include "cli/render_command.h"

#include <memory>
#include <optional>

#include "cli/cli_host.h"
#include "cli/exit_codes.h"
#include "cli/font_sheet.h"
#include "editor/editor.h"
#include "io/export.h"
#include "io/file_commit.h"

namespace pixmora::cli {

int RunRender(const RenderOptions& options, CliHost& host) {
    if (options.scale < 1 || options.scale > kMaxScale) {
        host.Tell(kScaleRefused + std::to_string(options.scale));
        return kExitRefused;
    }
    const auto ed = std::make_unique<Editor>();
    if (const int loaded = LoadInputFont(*ed, options.load, host); loaded != kExitOk) {
        return loaded;
    }
    const std::optional<std::string> png = EncodePng(FontSheet(*ed, options.scale));
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
