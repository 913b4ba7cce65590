#include <QtTest>

#include "ui/main_window.h"

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithItsTitle() {
        pixmora::MainWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Редактор знакогенератора"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qt_test.moc"
