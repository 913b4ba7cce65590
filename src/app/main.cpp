#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The editor speaks Russian whatever the system's language, and so do Qt's own buttons and
    // dialogs ("Да"/"Нет" in the questions, the file dialogs), where Qt's translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    pixmora::MainWindow window;
    window.show();
    return QApplication::exec();
}
