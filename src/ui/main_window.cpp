#include "ui/main_window.h"

#include "ui/startup.h"

namespace pixmora {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Редактор знакогенератора"));
    StartUp(editor_);
}

}  // namespace pixmora
