// The window of "Коррекция файла моделей". It does not block the main window; its rules are in
// model_file.h and it only shows their state.
#pragma once

#include <QDialog>
#include <functional>

#include "io/model_file.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace pixmora {

struct Editor;
class Host;

class ModelDialogView : public QDialog {
    Q_OBJECT

  public:
    // `fontShown` runs during a successful correction once character 0 is current, before the
    // closing message, so the main window shows it first.
    ModelDialogView(Editor& ed, Host& host, std::function<void()> fontShown,
                    QWidget* parent = nullptr);

    // Opens the dialog for the open font's format, or brings it back to the front with a fresh
    // start when it is already open.
    void Start();

  private:
    void Confirm();
    void Render();

    Editor& ed_;
    Host& host_;
    std::function<void()> fontShown_;
    ModelDialogState state_;
    QLabel* label1_;
    QLineEdit* text1_;
    QCheckBox* check1_;
};

}  // namespace pixmora
