// The Host of the real window: Qt message boxes, file dialogs and the modal dialogs.
#pragma once

#include <functional>

#include "editor/host.h"

class QWidget;

namespace pixmora {

class ModelDialogView;

class QtHost : public Host {
  public:
    explicit QtHost(QWidget* parent) : parent_(parent) {}

    // When set, message boxes are answered by this instead of being shown (window tests).
    std::function<MsgAnswer(const std::string& text, const std::string& title, MsgIcon icon,
                            MsgButtons buttons)>
        answerHook;
    // Runs after a window that is not modal changed the editor state, so the main window shows it.
    std::function<void()> stateChanged;

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
    std::string ProgramDir() override;
    std::string UserDataDir() override;

    // The model-file dialog lives only while " Создать модель" is offered: deleting the font
    // withdraws the button and closes the dialog with it.
    void FollowModelButton(const Editor& ed);

  private:
    QWidget* parent_;
    ModelDialogView* modelDialog_ = nullptr;  // owned by parent_, made on first use
};

}  // namespace pixmora
