// The main window: renders the editor state and forwards user events to the core.
#pragma once

#include <QMainWindow>

#include "model/editor.h"

namespace pixmora {

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

  private:
    Editor editor_;
};

}  // namespace pixmora
