// Form2, the font parameters dialog: shows a ParamsDialogState and forwards the user's choices to
// the rules of params_dialog.h.
#pragma once

#include <QDialog>

#include "commands/params_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pixmora {

class ParamsDialogView : public QDialog {
    Q_OBJECT

  public:
    ParamsDialogView(Editor& ed, Host& host, QWidget* parent = nullptr);

    const ParamsDialogState& state() const { return state_; }
    // What "ОК" chose; nothing after "Отмена".
    const std::optional<ParamsChoice>& choice() const { return choice_; }

  public slots:
    // Only "ОК" and "Отмена" end the dialog; Escape and the window frame do not.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Render();
    void AfterEvent();

    Editor& ed_;
    Host& host_;
    ParamsDialogState state_;
    std::optional<ParamsChoice> choice_;

    QComboBox* formats_;
    QLabel* scanPrompt_;
    QRadioButton* options_[kScanCount];
    QButtonGroup* optionGroup_;
    QLabel* picture_;
    QCheckBox* negative_;
    QPushButton* ok_;
};

}  // namespace pixmora
