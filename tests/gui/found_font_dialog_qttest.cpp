// The found-font window shows the core's rows with their pictures and returns the row taken; the
// long work of the search runs on a worker thread while the window answers, and its cancel button
// stops it.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <stdexcept>

#include "commands/find_font.h"
#include "commands/found_font_rows.h"
#include "gui/found_font_dialog_view.h"
#include "gui/qt_host.h"

namespace pixmora {

class FoundFontDialogTest : public QObject {
    Q_OBJECT

  private:
    // Two rows of a HEX image: a 3 x 2 picture with its corners lit, and one with no picture.
    static FoundFontList List() {
        FoundFontList list;
        list.titles = {"Адрес", "Формат"};
        PixelImage picture{
            3,
            2,
            1,
            {kPictureLit, kPictureDark, kPictureDark, kPictureDark, kPictureDark, kPictureLit}};
        list.rows.push_back({{"0x00008000", "8 x 8"}, picture});
        list.rows.push_back({{"0x00009000", "6 x 8"}, {}});
        return list;
    }

  private slots:
    void showsTheRowsWithTheirPicturesAndTheBestCurrent() {
        FoundFontDialogView dialog(nullptr, List());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Найденные шрифты"));
        QTableWidget* table = dialog.table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Знаки"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Адрес"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("0x00009000"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("8 x 8"));
        const QImage shown = table->item(0, 0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.width() * 2, shown.height() * 3);
        QCOMPARE(qGray(shown.pixel(0, 0)), 0);
        QCOMPARE(qGray(shown.pixel(shown.width() - 1, 0)), 255);
        QCOMPARE(qGray(shown.pixel(shown.width() - 1, shown.height() - 1)), 0);
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(dialog.openButton()->text(), QStringLiteral("Открыть"));
    }

    void openTakesTheRowAndEscapeNothing() {
        FoundFontDialogView dialog(nullptr, List());
        dialog.show();
        dialog.table()->selectRow(1);
        QTest::mouseClick(dialog.openButton(), Qt::LeftButton);
        QCOMPARE(dialog.chosen(), std::optional<std::size_t>(1));

        FoundFontDialogView cancelled(nullptr, List());
        cancelled.show();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QVERIFY(!cancelled.isVisible());
        QCOMPARE(cancelled.chosen(), std::optional<std::size_t>());
    }

    void aDoubleClickOpensTheRow() {
        FoundFontDialogView dialog(nullptr, List());
        dialog.show();
        QTableWidget* table = dialog.table();
        const QRect cell = table->visualItemRect(table->item(1, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosen(), std::optional<std::size_t>(1));
    }

    // The work runs off the window's thread, its reports reach the bar, and it ends the wait.
    void workRunsOnAWorkerAndShowsItsProgress() {
        QWidget window;
        window.show();
        QtHost host(&window);
        std::atomic<bool> offMainThread{false};
        int shownValue = -1;
        QTimer peek;
        connect(&peek, &QTimer::timeout, [&] {
            if (auto* bar = window.findChild<QProgressDialog*>()) {
                shownValue = std::max(shownValue, bar->value());
            }
        });
        peek.start(10);
        const bool finished = host.RunWithProgress("Поиск", [&](const ProgressReport& report) {
            offMainThread = QThread::currentThread() != qApp->thread();
            for (int step = 1; step <= 20; ++step) {
                report(step / 40.0);
                QThread::msleep(10);
            }
        });
        QVERIFY(finished);
        QVERIFY(offMainThread);
        QVERIFY(shownValue > 0);
    }

    // A press of "Отмена" while the worker runs: its next report answers false, and the host says
    // the work was cancelled.
    void cancelStopsTheWork() {
        QWidget window;
        window.show();
        QtHost host(&window);
        QTimer::singleShot(50, [&window] {
            auto* bar = window.findChild<QProgressDialog*>();
            QVERIFY(bar != nullptr);
            QCOMPARE(bar->labelText(), QStringLiteral("Поиск"));
            bar->findChild<QPushButton*>()->click();
        });
        bool stopped = false;
        const bool finished = host.RunWithProgress("Поиск", [&](const ProgressReport& report) {
            for (int step = 0; step < 1000 && !stopped; ++step) {
                stopped = !report(0.0005 * step);
                QThread::msleep(5);
            }
        });
        QVERIFY(!finished);
        QVERIFY(stopped);
    }

    // The image's open dialog offers the kinds the finder reads, each with its patterns.
    void theOpenDialogOffersTheImageKinds() {
        QWidget window;
        QtHost host(&window);
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            offered = dialog->nameFilters();
            dialog->reject();
        });
        QCOMPARE(host.OpenFile({kFindDialogTitle, kFindFilter, QDir::tempPath().toStdString(), ""}),
                 std::optional<std::string>());
        QCOMPARE(offered, (QStringList{QStringLiteral("Образы прошивки(*.bin *.hex *.ihx *.elf)"),
                                       QStringLiteral("Двоичные файлы(*.bin)"),
                                       QStringLiteral("Файлы Intel HEX(*.hex *.ihx)"),
                                       QStringLiteral("Файлы ELF(*.elf)"),
                                       QStringLiteral("Все файлы(*.*)")}));
    }

    // What the work throws on its thread reaches the caller of the host.
    void aFailureOfTheWorkIsThrownToTheCaller() {
        QWidget window;
        QtHost host(&window);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 host.RunWithProgress("Поиск", [](const ProgressReport&) {
                                     throw std::runtime_error("out of memory");
                                 }));
    }
};

}  // namespace pixmora

QTEST_MAIN(pixmora::FoundFontDialogTest)
#include "found_font_dialog_qttest.moc"
