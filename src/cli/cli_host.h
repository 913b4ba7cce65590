// The Host of the command-line companion: no window, so every message the core shows goes to the
// error stream, and a question is answered as a build script wants it answered: go on.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "editor/host.h"

namespace pixmora::cli {

class CliHost : public Host {
  public:
    CliHost(std::ostream& err, std::string programDir)
        : err_(err), programDir_(std::move(programDir)) {}

    // Prints the text, each line break or carriage return a new line; questions get Yes.
    MsgAnswer Message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) override;
    // There is nobody to choose a file or fill in a dialog: files are cancelled, dialogs closed
    // without a choice.
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    // The CLI gives every choice as an option: no dialog ever chooses anything.
    std::optional<ParamsChoice> RunParamsDialog(Editor& ed) override;
    std::optional<int> RunScanDialog(Editor& ed) override;
    std::optional<CellFormat> RunEnlargeDialog(Editor& ed) override;
    std::optional<FromFontChoice> RunFromFontDialog(Editor& ed) override;
    void OpenModelDialog(Editor& ed) override;
    // The array named by --array, else the one preselected; nothing when no array has that name.
    std::optional<std::size_t> ChooseArray(const std::vector<ArrayListing>& arrays,
                                           std::size_t preselected) override;
    std::optional<std::size_t> ChooseFoundFont(const FoundFontList& list) override;
    void SetBusy(bool busy) override;
    std::string ProgramDir() override;
    // From the environment, as the editor finds it.
    std::string UserDataDir() override;

    // A message of the command-line companion itself.
    void Tell(const std::string& text) {
        Message(text, kDefaultTitle, MsgIcon::None, MsgButtons::Ok);
    }

    std::optional<std::string> arrayName;     // --array NAME
    std::vector<ArrayListing> offeredArrays;  // what the last array choice offered

  private:
    std::ostream& err_;
    std::string programDir_;
};

// A text of the core as lines for a terminal: "\r\n", "\r" and "\n" each end a line.
std::string TerminalLines(const std::string& text);

}  // namespace pixmora::cli
