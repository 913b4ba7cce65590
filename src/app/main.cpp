#include <QApplication>

#include "gui/main_window.h"
#include "gui/qt_translation.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The editor speaks Russian whatever the system's language, and so do Qt's own buttons and
    // dialogs ("Да"/"Нет" in the questions, the file dialogs) where Qt's translation is installed.
    pixmora::InstallRussianQtTexts();
    pixmora::MainWindow window;
    window.show();
    return QApplication::exec();
}
