// A Host for benchmarks: answers every question with `answer`, offers `openResult` to the open
// dialog, picks `scanChoice` in the scan dialog and cancels the parameters dialog and the list of
// fonts found in an image.
#pragma once

#include <optional>
#include <string>

#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora::bench {

class BenchHost : public Host {
  public:
    MsgAnswer answer = MsgAnswer::Yes;
    std::optional<std::string> openResult;
    std::string programDir = ".";
    int scanChoice = kScanVertical1;

    MsgAnswer Message(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        return answer;
    }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return openResult; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return {}; }
    std::optional<ParamsChoice> RunParamsDialog(Editor&) override { return std::nullopt; }
    std::optional<int> RunScanDialog(Editor&) override { return scanChoice; }
    std::optional<CellFormat> RunEnlargeDialog(Editor&) override { return std::nullopt; }
    std::optional<FromFontChoice> RunFromFontDialog(Editor&) override { return std::nullopt; }
    void OpenModelDialog(Editor&) override {}
    std::optional<std::size_t> ChooseArray(const std::vector<ArrayListing>&,
                                           std::size_t preselected) override {
        return preselected;
    }
    std::optional<std::size_t> ChooseFoundFont(const FoundFontList&) override {
        return std::nullopt;
    }
    void SetBusy(bool) override {}
    std::string ProgramDir() override { return programDir; }
    std::string UserDataDir() override { return {}; }
};

}  // namespace pixmora::bench
