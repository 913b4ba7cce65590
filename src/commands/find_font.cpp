#include "commands/find_font.h"

#include "commands/found_font_rows.h"
#include "editor/editor.h"
#include "editor/exit_check.h"
#include "editor/file_dialogs.h"
#include "editor/host.h"
#include "editor/tool_state.h"
#include "editor/window_status.h"
#include "import/confirm_import.h"
#include "import/import_font.h"
#include "import/recognition_models.h"

namespace pixmora {

namespace {

void TellFailure(Host& host, const std::string& text) {
    host.Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
}

// The search with a progress bar; nothing when the user stopped it.
std::optional<std::vector<FoundFont>> SearchImage(const FirmwareImage& image,
                                                  const ModelBytes& models, Host& host) {
    std::vector<FoundFont> found;
    const BusyPointer busy(host);
    const bool finished = host.RunWithProgress(
        kFindProgressText,
        [&](const ProgressReport& report) { found = FindFonts(image, models, {}, report); });
    if (!finished) {
        return std::nullopt;
    }
    return found;
}

}  // namespace

void OpenFoundFont(Editor& ed, const FirmwareImage& image, const FoundFont& found) {
    LoadFontData(ed, {found.formatIndex, found.scan, found.negative}, ExtractFont(image, found),
                 false, ImportDecision::Load);
}

void FindFontInImage(Editor& ed, Host& host) {
    if (!ConfirmDiscardUnsaved(ed, host)) {
        return;
    }
    DeselectTool(ed);
    const std::optional<std::string> path =
        host.OpenFile({kFindDialogTitle, kFindFilter, FileDialogStartDir(ed, host), ""});
    if (!path) {
        return;
    }
    RememberFileDir(ed, *path);
    ImageRead read;
    {
        const BusyPointer busy(host);
        read = ReadFirmwareImageFile(*path);
    }
    if (!read.image) {
        TellFailure(host, read.error);
        return;
    }
    const RecognitionModels models = ReadRecognitionModels(FindModelPlaces(host), host);
    if (models.failure) {
        TellFailure(host, *models.failure);
        return;
    }
    if (models.aborted) {
        return;
    }
    const std::optional<std::vector<FoundFont>> found =
        SearchImage(*read.image, models.bytes, host);
    if (!found) {
        return;
    }
    if (found->empty()) {
        host.Message(kNothingFoundText, kInformationTitle, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const std::optional<std::size_t> chosen =
        host.ChooseFoundFont(FoundFontRows(*read.image, *found));
    if (!chosen || *chosen >= found->size()) {
        return;
    }
    const BusyPointer busy(host);
    OpenFoundFont(ed, *read.image, (*found)[*chosen]);
    ed.win.fileName = FileNameOf(*path);
}

}  // namespace pixmora
