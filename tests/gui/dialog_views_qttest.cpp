// The two dialogs' windows show their core state and forward the user's clicks.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>

#include "fontfile/system_fonts.h"
#include "gui/enlarge_dialog_view.h"
#include "gui/from_font_dialog_view.h"
#include "gui/scan_dialog_view.h"
#include "support/fake_host.h"
#include "support/test_font.h"

namespace pixmora {

class DialogViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void scanDialogOffersVerticalScansFor6x8() {
        Editor ed;
        test::OpenTestFont(ed, 0, kScanVertical2);
        test::FakeHost host;
        host.programDir = QCoreApplication::applicationDirPath().toStdString();
        ScanDialogView dialog(nullptr, ed, host);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Укажите требуемый вид развертки байтов"));
        QVERIFY(!dialog.option(kScanVertical1)->isHidden());
        QVERIFY(!dialog.option(kScanVertical2)->isHidden());
        QVERIFY(dialog.option(kScanHorizontal1)->isHidden());
        QVERIFY(dialog.option(kScanHorizontal2)->isHidden());
        QVERIFY(dialog.option(kScanVertical2)->isChecked());
        QVERIFY(!dialog.picture()->pixmap().isNull());
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("\u041E\u041A"));
    }

    void scanDialogClosesOnlyThroughOk() {
        Editor ed;
        test::OpenTestFont(ed, 3, kScanVertical1);
        test::FakeHost host;
        ScanDialogView dialog(nullptr, ed, host);
        dialog.show();
        QTest::mouseClick(dialog.option(kScanHorizontal1), Qt::LeftButton);
        QCOMPARE(dialog.selected(), kScanHorizontal1);
        QVERIFY(!dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selected(), kScanHorizontal1);
    }

    void enlargeDialogAsksForAFormatBeforeOk() {
        Editor ed;
        test::OpenTestFont(ed, 1, kScanHorizontal1);
        test::FakeHost host;
        EnlargeDialogView dialog(nullptr, ed, host);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор данных для конвертирования"));
        QCOMPARE(dialog.formatList()->count(), 7);
        QCOMPARE(dialog.formatList()->itemText(0), QStringLiteral("8 х 16"));
        QCOMPARE(dialog.formatList()->itemText(1), QStringLiteral("16 х 16"));
        QCOMPARE(dialog.formatList()->currentIndex(), -1);
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Отмена"));

        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(host.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(host.messages[0].text),
                 QStringLiteral("Укажите формат знакоместа!"));
        QVERIFY(dialog.isVisible());

        dialog.formatList()->setCurrentIndex(2);
        emit dialog.formatList()->activated(2);
        QCOMPARE(QString::fromStdString(ed.params.CellFormatName), QStringLiteral("16 х 24"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.chosen().has_value());
        QCOMPARE(dialog.chosen()->width, 16);
        QCOMPARE(dialog.chosen()->height, 24);
    }

    void fromFontDialogPreviewsLiveAndOkReturnsTheChoice() {
        if (!std::filesystem::exists(test::kDejaVuSans)) {
            QSKIP("fonts-dejavu-core is not installed");
        }
        Editor ed;
        test::FakeHost host;
        FromFontDialogView dialog(nullptr, ed, host);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Знаки из шрифта"));
        QVERIFY(!dialog.okButton()->isEnabled());
        QCOMPARE(dialog.statusLabel()->text(),
                 QStringLiteral("Выберите файл шрифта или установленный шрифт"));
        dialog.chooseFile(test::kDejaVuSans);
        QTRY_VERIFY(dialog.okButton()->isEnabled());
        QVERIFY(dialog.statusLabel()->text().startsWith(QStringLiteral("Размер: ")));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.choice().has_value());
        QCOMPARE(QString::fromStdString(dialog.choice()->path),
                 QString::fromStdString(test::kDejaVuSans));
        QCOMPARE(dialog.choice()->options.formatIndex, 0);
    }

    void enlargeDialogFrameCloseCancels() {
        Editor ed;
        test::OpenTestFont(ed, 0, kScanVertical1);
        test::FakeHost host;
        EnlargeDialogView dialog(nullptr, ed, host);
        dialog.show();
        dialog.formatList()->setCurrentIndex(0);
        emit dialog.formatList()->activated(0);
        QVERIFY(dialog.close());
        QVERIFY(!dialog.chosen().has_value());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

}  // namespace pixmora

QTEST_MAIN(pixmora::DialogViewsTest)
#include "dialog_views_qttest.moc"
