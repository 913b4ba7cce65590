// The array choice's window lists the arrays, offers the preselected one and returns the one the
// user takes.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "gui/array_dialog_view.h"

namespace pixmora {

class ArrayDialogTest : public QObject {
    Q_OBJECT

  private:
    const std::vector<ArrayListing> arrays_ = {
        {"Font8x6", 1536, 1536}, {"Font16x12", 5760, 5760}, {"widths", 224, 224}};

  private slots:
    void listsEveryArrayWithThePreselectedCurrent() {
        ArrayDialogView dialog(nullptr, arrays_, 1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор массива"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(),
                 QStringLiteral("Файл содержит несколько массивов.\nВыберите массив со шрифтом:"));
        QCOMPARE(dialog.arrayList()->count(), 3);
        QCOMPARE(dialog.arrayList()->item(0)->text(),
                 QStringLiteral("Font8x6 — элементов: 1536, байт: 1536"));
        QCOMPARE(dialog.arrayList()->item(2)->text(),
                 QStringLiteral("widths — элементов: 224, байт: 224"));
        QCOMPARE(dialog.arrayList()->currentRow(), 1);
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("\u041E\u041A"));
    }

    void okReturnsTheRowChosenAndEscapeNothing() {
        ArrayDialogView dialog(nullptr, arrays_, 1);
        dialog.show();
        dialog.arrayList()->setCurrentRow(0);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.chosen(), std::optional<std::size_t>(0));

        ArrayDialogView cancelled(nullptr, arrays_, 1);
        cancelled.show();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QVERIFY(!cancelled.isVisible());
        QCOMPARE(cancelled.chosen(), std::optional<std::size_t>());
    }

    void aDoubleClickTakesTheArray() {
        ArrayDialogView dialog(nullptr, arrays_, 0);
        dialog.show();
        QListWidget* list = dialog.arrayList();
        const QRect row = list->visualItemRect(list->item(2));
        // A double click reaches an item view as a press followed by a double-click event.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosen(), std::optional<std::size_t>(2));
    }
};

}  // namespace pixmora

QTEST_MAIN(pixmora::ArrayDialogTest)
#include "array_dialog_qttest.moc"
