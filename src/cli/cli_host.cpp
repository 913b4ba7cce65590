#include "cli/cli_host.h"

#include "editor/editor.h"
#include "io/model_places.h"

namespace pixmora::cli {

std::string TerminalLines(const std::string& text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            lines += text[i];
        }
    }
    return lines;
}

MsgAnswer CliHost::Message(const std::string& text, const std::string& /*title*/, MsgIcon /*icon*/,
                           MsgButtons buttons) {
    std::string lines = TerminalLines(text);
    if (lines.empty() || lines.back() != '\n') {
        lines += '\n';
    }
    err_ << lines << std::flush;
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

std::optional<std::string> CliHost::OpenFile(const FileDialogRequest& /*request*/) {
    return std::nullopt;
}

std::optional<std::string> CliHost::SaveFile(const FileDialogRequest& /*request*/) {
    return std::nullopt;
}

std::optional<ParamsChoice> CliHost::RunParamsDialog(Editor& /*ed*/) {
    return std::nullopt;
}

std::optional<int> CliHost::RunScanDialog(Editor& /*ed*/) {
    return std::nullopt;
}

std::optional<CellFormat> CliHost::RunEnlargeDialog(Editor& /*ed*/) {
    return std::nullopt;
}

std::optional<FromFontChoice> CliHost::RunFromFontDialog(Editor& /*ed*/) {
    return std::nullopt;
}

void CliHost::OpenModelDialog(Editor& /*ed*/) {}

std::optional<std::size_t> CliHost::ChooseArray(const std::vector<ArrayListing>& arrays,
                                                std::size_t preselected) {
    offeredArrays = arrays;
    if (!arrayName) {
        return preselected;
    }
    for (std::size_t i = 0; i < arrays.size(); ++i) {
        if (arrays[i].name == *arrayName) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> CliHost::ChooseFoundFont(const FoundFontList& /*list*/) {
    return std::nullopt;
}

void CliHost::SetBusy(bool /*busy*/) {}

std::string CliHost::ProgramDir() {
    return programDir_;
}

std::string CliHost::UserDataDir() {
    return UserDataDirFromEnvironment();
}

}  // namespace pixmora::cli
