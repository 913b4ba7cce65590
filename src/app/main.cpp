#include <QApplication>
#include <QCommandLineParser>

#include "gui/main_window.h"
#include "gui/qt_translation.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pixmora");
    QApplication::setApplicationVersion(PIXMORA_VERSION);
    // The editor speaks Russian whatever the system's language, and so do Qt's own buttons and
    // dialogs ("Да"/"Нет", the file dialogs, the --help text) where Qt's translation is installed.
    pixmora::InstallRussianQtTexts();
    QCommandLineParser options;
    options.setApplicationDescription("Редактор знакогенераторов.");
    options.addHelpOption();
    options.addVersionOption();
    options.process(app);

    pixmora::MainWindow window;
    window.show();
    return QApplication::exec();
}
