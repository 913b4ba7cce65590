// A Host for benchmarks: answers every question with `answer`, offers `openResult` to the open
// dialog, picks `scanChoice` in the scan dialog and cancels the parameters dialog.
#pragma once

#include <optional>
#include <string>

#include "model/editor.h"
#include "model/host.h"

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
    void RunParamsDialog(Editor& ed) override { ed.font.ParamsDialogMode = "end"; }
    void RunScanDialog(Editor& ed) override { ed.font.DialogByteScan = scanChoice; }
    void RunEnlargeDialog(Editor&) override {}
    void OpenModelDialog(Editor&) override {}
    void SetBusy(bool) override {}
    std::string ProgramDir() override { return programDir; }
    std::string UserDataDir() override { return {}; }
};

}  // namespace pixmora::bench
