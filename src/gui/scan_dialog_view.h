// The scan dialog's window: four options, the picture of the selected scan and "ОК". It closes
// only through "ОК".
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "transform/scan_dialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace pixmora {

class ScanDialogView : public QDialog {
    Q_OBJECT

  public:
    ScanDialogView(QWidget* parent, Editor& ed, Host& host);

    QRadioButton* option(int scan) const { return options_[static_cast<std::size_t>(scan)]; }
    QLabel* picture() const { return picture_; }
    QPushButton* okButton() const { return ok_; }
    int selected() const { return state_.selected; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void Render();

    Editor& ed_;
    Host& host_;
    ScanDialogState state_;
    std::array<QRadioButton*, kScanCount> options_{};
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool closing_ = false;
};

// Runs the dialog modally and returns the scan chosen with "ОК".
std::optional<int> RunScanDialogView(QWidget* parent, Editor& ed, Host& host);

}  // namespace pixmora
