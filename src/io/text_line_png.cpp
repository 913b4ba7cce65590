#include "io/text_line_png.h"

#include <optional>
#include <string>

#include "editor/editor.h"
#include "editor/file_dialogs.h"
#include "editor/host.h"
#include "io/export.h"
#include "io/file_commit.h"
#include "io/png_file.h"

namespace pixmora {

void SaveTextLinePng(Editor& ed, Host& host, const TextPreviewSettings& settings) {
    const FileDialogRequest request{std::string(kPngDialogTitle), std::string(kPngFilter),
                                    FileDialogStartDir(ed, host), std::string(kPngProposedName)};
    const std::optional<std::string> chosen = host.SaveFile(request);
    if (!chosen) {
        return;
    }
    const std::string path = WithDefaultExtension(*chosen, FilterExtension(request.filter, 0));
    RememberFileDir(ed, path);
    const std::optional<std::string> png = EncodePng(
        RenderTextLine(ed.params, ed.font, settings.text, settings.scale, ChosenLook(settings)));
    const std::optional<std::string> failure =
        png ? CommitFile(path, *png) : std::optional<std::string>(kPngEncodeFailed);
    if (failure) {
        host.Message(SaveFailedText(path, *failure), kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
    }
}

}  // namespace pixmora
