#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace pixmora::test {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, const char* what, T fallback) {
    if (queue.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

// Runs a scripted dialog; an unscripted one fails the test and chooses nothing.
template <typename Result>
Result RunScripted(const std::function<Result(Editor&)>& script, Editor& ed, const char* what) {
    if (!script) {
        ADD_FAILURE() << "unscripted " << what;
        return Result{};
    }
    return script(ed);
}

}  // namespace

MsgAnswer FakeHost::Message(const std::string& text, const std::string& title, MsgIcon icon,
                            MsgButtons buttons) {
    messages.push_back({text, title, icon, buttons, busyDepth > 0});
    if (buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    return TakeFront(answers, ("question: " + text).c_str(), MsgAnswer::No);
}

std::optional<std::string> FakeHost::OpenFile(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return TakeFront(openResults, "open-file dialog", std::optional<std::string>{});
}

std::optional<std::string> FakeHost::SaveFile(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return TakeFront(saveResults, "save dialog", std::optional<std::string>{});
}

std::optional<ParamsChoice> FakeHost::RunParamsDialog(Editor& ed) {
    busyDialogs += busyDepth > 0 ? 1 : 0;
    return RunScripted(paramsDialog, ed, "parameters dialog");
}
std::optional<int> FakeHost::RunScanDialog(Editor& ed) {
    busyDialogs += busyDepth > 0 ? 1 : 0;
    return RunScripted(scanDialog, ed, "scan dialog");
}
std::optional<CellFormat> FakeHost::RunEnlargeDialog(Editor& ed) {
    busyDialogs += busyDepth > 0 ? 1 : 0;
    return RunScripted(enlargeDialog, ed, "enlarge dialog");
}
std::optional<FromFontChoice> FakeHost::RunFromFontDialog(Editor& ed) {
    busyDialogs += busyDepth > 0 ? 1 : 0;
    return RunScripted(fromFontDialog, ed, "from-font dialog");
}
void FakeHost::OpenModelDialog(Editor& ed) {
    RunScripted(modelDialog, ed, "model dialog");
}

std::optional<std::size_t> FakeHost::ChooseArray(const std::vector<ArrayListing>& arrays,
                                                 std::size_t preselected) {
    arrayRequests.push_back({arrays, preselected});
    if (arrayChoices.empty() && takePreselected) {
        return preselected;
    }
    return TakeFront(arrayChoices, "array choice", std::optional<std::size_t>{});
}

std::optional<std::size_t> FakeHost::ChooseFoundFont(const FoundFontList& list) {
    busyDialogs += busyDepth > 0 ? 1 : 0;
    foundLists.push_back(list);
    return TakeFront(foundChoices, "found-font list", std::optional<std::size_t>{});
}

bool FakeHost::RunWithProgress(const std::string& text, const ProgressWork& work) {
    progressTexts.push_back(text);
    progressBusy += busyDepth > 0 ? 1 : 0;
    int reports = 0;
    bool cancelled = false;
    work([&](double) {
        cancelled = cancelled || (cancelAfterReports && reports >= *cancelAfterReports);
        ++reports;
        return !cancelled;
    });
    return !cancelled;
}

void FakeHost::SetBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    ++busyCalls;
}

std::vector<std::string> FakeHost::texts() const {
    std::vector<std::string> result;
    for (const auto& message : messages) {
        result.push_back(message.text);
    }
    return result;
}

}  // namespace pixmora::test
