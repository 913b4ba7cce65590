// The window of "Из шрифта…": the choices of the dialog state, a live preview of the whole table
// and "ОК" / "Отмена". Every change goes to the state and a preview refresh is queued, so that a
// burst of changes (a spin box held down) draws once.
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>

#include "commands/from_font_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pixmora {

class Host;

// The 16 x 14 table of the drawing, missing characters on a tinted ground.
class FontPreviewWidget : public QWidget {
  public:
    FontPreviewWidget(const FromFontDialogState& state, QWidget* parent);
    QSize sizeHint() const override { return {640, 560}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const FromFontDialogState& state_;
};

class FromFontDialogView : public QDialog {
  public:
    FromFontDialogView(QWidget* parent, Editor& ed, Host& host);

    const FromFontDialogState& state() const { return state_; }
    const std::optional<FromFontChoice>& choice() const { return choice_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* statusLabel() const { return status_; }
    // Chooses a file as "Обзор…" would, for tests and for a path typed elsewhere.
    void chooseFile(const std::string& path);
    // Runs the refresh now instead of on the next turn of the event loop.
    void refreshNow();

  private:
    void Changed();
    void ShowState();
    void FillStyles();

    Editor& ed_;
    Host& host_;
    FromFontDialogState state_;
    std::optional<FromFontChoice> choice_;
    bool refreshQueued_ = false;
    bool showing_ = false;  // the widgets are being set from the state, not by the user

    QRadioButton* fromFile_ = nullptr;
    QRadioButton* fromInstalled_ = nullptr;
    QLineEdit* path_ = nullptr;
    QComboBox* family_ = nullptr;
    QComboBox* style_ = nullptr;
    QComboBox* format_ = nullptr;
    QComboBox* scan_ = nullptr;
    QCheckBox* negative_ = nullptr;
    QCheckBox* autoSize_ = nullptr;
    QSpinBox* size_ = nullptr;
    QSpinBox* scaleX_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* autoBaseline_ = nullptr;
    QSpinBox* baseline_ = nullptr;
    QSpinBox* offset_ = nullptr;
    QCheckBox* centre_ = nullptr;
    QCheckBox* smooth_ = nullptr;
    QSpinBox* threshold_ = nullptr;
    QRadioButton* allChars_ = nullptr;
    QRadioButton* undrawnChars_ = nullptr;
    QRadioButton* currentChar_ = nullptr;
    FontPreviewWidget* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Runs the dialog modally and returns the choice "ОК" made.
std::optional<FromFontChoice> RunFromFontDialogView(QWidget* parent, Editor& ed, Host& host);

}  // namespace pixmora
