// A Host that answers every question with its first button and counts the messages: the fuzz
// targets and the seed writer talk to no one.
#pragma once

#include <optional>
#include <string>

#include "editor/host.h"

namespace pixmora::fuzz {

class QuietHost : public Host {
  public:
    int messages = 0;

    MsgAnswer Message(const std::string&, const std::string&, MsgIcon,
                      MsgButtons buttons) override {
        ++messages;
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<ParamsChoice> RunParamsDialog(Editor&) override { return std::nullopt; }
    std::optional<int> RunScanDialog(Editor&) override { return std::nullopt; }
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
    std::string ProgramDir() override { return {}; }
    std::string UserDataDir() override { return {}; }
};

}  // namespace pixmora::fuzz
