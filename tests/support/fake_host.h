// A scripted Host for core tests: records every message and request, answers from prepared lists.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/host.h"

namespace pixmora::test {

struct RecordedMessage {
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButtons buttons;
    bool busy;  // shown while the busy pointer was up
};

class FakeHost : public Host {
  public:
    // Answers to questions (Yes/No, Yes/No/Cancel), used in order. An unscripted question fails
    // the test and answers No; an OK-only box needs no answer.
    std::deque<MsgAnswer> answers;
    // Results of the file dialogs, used in order; nothing means "cancelled".
    std::deque<std::optional<std::string>> openResults;
    std::deque<std::optional<std::string>> saveResults;
    // What the modal dialogs do; an unscripted dialog fails the test.
    std::function<std::optional<ParamsChoice>(Editor&)> paramsDialog;
    std::function<std::optional<int>(Editor&)> scanDialog;
    std::function<std::optional<CellFormat>(Editor&)> enlargeDialog;
    std::function<std::optional<FromFontChoice>(Editor&)> fromFontDialog;
    std::function<void(Editor&)> modelDialog;
    // Answers of the array choice, used in order; nothing means "cancelled". When the list is
    // empty and takePreselected is set, the preselected array is taken.
    std::deque<std::optional<std::size_t>> arrayChoices;
    bool takePreselected = false;
    // Answers of the found-font list, used in order; nothing means "cancelled".
    std::deque<std::optional<std::size_t>> foundChoices;
    // The progress reports after which the user cancels long work; never when unset.
    std::optional<int> cancelAfterReports;
    std::string programDir = ".";
    std::string userDataDir;  // none unless a test gives one

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    struct ArrayRequest {
        std::vector<ArrayListing> arrays;
        std::size_t preselected;
    };
    std::vector<ArrayRequest> arrayRequests;
    std::vector<FoundFontList> foundLists;
    std::vector<std::string> progressTexts;  // of every long work, in order
    int progressBusy = 0;                    // long work run while the busy pointer was up
    int busyDepth = 0;
    int busyCalls = 0;
    int busyDialogs = 0;  // modal dialogs run while the busy pointer was up

    MsgAnswer Message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    std::optional<ParamsChoice> RunParamsDialog(Editor& ed) override;
    std::optional<int> RunScanDialog(Editor& ed) override;
    std::optional<CellFormat> RunEnlargeDialog(Editor& ed) override;
    std::optional<FromFontChoice> RunFromFontDialog(Editor& ed) override;
    void OpenModelDialog(Editor& ed) override;
    std::optional<std::size_t> ChooseArray(const std::vector<ArrayListing>& arrays,
                                           std::size_t preselected) override;
    std::optional<std::size_t> ChooseFoundFont(const FoundFontList& list) override;
    bool RunWithProgress(const std::string& text, const ProgressWork& work) override;
    void SetBusy(bool busy) override;
    std::string ProgramDir() override { return programDir; }
    std::string UserDataDir() override { return userDataDir; }

    // The texts of all messages shown so far.
    std::vector<std::string> texts() const;
};

}  // namespace pixmora::test
