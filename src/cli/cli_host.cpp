#include "cli/cli_host.h"

#include "io/model_places.h"
#include "model/editor.h"

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

void CliHost::RunParamsDialog(Editor& ed) {
    ed.font.ParamsDialogMode = kDialogEnded;
}

void CliHost::RunScanDialog(Editor& ed) {
    ed.font.DialogByteScan = ed.params.FontByteScan;
}

void CliHost::RunEnlargeDialog(Editor& ed) {
    ed.font.ParamsDialogMode = kDialogEnded;
}

void CliHost::OpenModelDialog(Editor& /*ed*/) {}

void CliHost::SetBusy(bool /*busy*/) {}

std::string CliHost::ProgramDir() {
    return programDir_;
}

std::string CliHost::UserDataDir() {
    return UserDataDirFromEnvironment();
}

}  // namespace pixmora::cli
