// The enlargement dialog's window: the prompt, the list of larger formats, "ОК" and "Отмена".
#pragma once

#include <QDialog>
#include <optional>

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
    // The format "ОК" chose; "Отмена", Escape and the window frame end the dialog without one.
    const std::optional<CellFormat>& chosen() const { return chosen_; }

  private:
    Editor& ed_;
    Host& host_;
    EnlargeDialogState state_;
    std::optional<CellFormat> chosen_;
    QComboBox* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Runs the dialog modally and returns the format chosen with "ОК".
std::optional<CellFormat> RunEnlargeDialogView(QWidget* parent, Editor& ed, Host& host);

}  // namespace pixmora
