// The enlargement dialog's window: the prompt, the list of larger formats, "ОК" and "Отмена".
#pragma once

#include <QDialog>

#include "transform/enlarge_dialog.h"

class QComboBox;
class QPushButton;

namespace pixmora {

class EnlargeDialogView : public QDialog {
    Q_OBJECT

  public:
    EnlargeDialogView(QWidget* parent, Editor& ed, Host& host);

    QComboBox* formatList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    // "Отмена", Escape and the window frame all end the dialog without a choice.
    void reject() override;

  private:
    Editor& ed_;
    Host& host_;
    EnlargeDialogState state_;
    QComboBox* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Runs the dialog modally; the outcome is left in ParamsDialogMode and CellFormatName.
void RunEnlargeDialogView(QWidget* parent, Editor& ed, Host& host);

}  // namespace pixmora
