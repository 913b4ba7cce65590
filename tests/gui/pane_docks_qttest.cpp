// The text preview and byte inspector panes in the real window: shown from "Вид", a byte typed in
// the inspector redraws the grid and undoes, the pointer's byte is marked, the preview follows
// edits.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QtTest>

#include "editor/undo_history.h"
#include "gui/byte_pane_dock.h"
#include "gui/dot_grid_widget.h"
#include "gui/main_window.h"
#include "gui/text_preview_dock.h"
#include "support/test_font.h"

using namespace pixmora;

class InspectionDocksTest : public QObject {
    Q_OBJECT

    // A shown window with an empty 6 x 8 font in "вертикально 1" and both panes opened from "Вид".
    static void OpenWithPanes(MainWindow& window) {
        test::OpenTestFont(window.editor(), 0, kScanVertical1);
        ResetUndoHistory(window.editor());
        window.resize(1800, 1100);  // docked panes leave the whole grid in view
        window.show();
        QMenu* view = nullptr;
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            if (menu->title() == QStringLiteral("&Вид")) {
                view = menu;
            }
        }
        QVERIFY(view != nullptr);
        QStringList names;
        for (QAction* action : view->actions()) {
            if (action->text() == QStringLiteral("Просмотр текста") ||
                action->text() == QStringLiteral("Инспектор байтов")) {
                names << action->text();
                action->trigger();
            }
        }
        QCOMPARE(names, (QStringList{QStringLiteral("Просмотр текста"),
                                     QStringLiteral("Инспектор байтов")}));
        window.Render();
    }

  private slots:
    void panesStartHidden() {
        MainWindow window;
        window.show();
        QVERIFY(!window.findChild<TextPreviewDock*>()->isVisible());
        QVERIFY(!window.findChild<ByteInspectorDock*>()->isVisible());
    }

    void typedByteRedrawsTheGridAndUndoes() {
        MainWindow window;
        OpenWithPanes(window);
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("InspectorBytes"));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->columnCount(), 6);
        table->item(0, 2)->setText(QStringLiteral("0x5F"));
        QCOMPARE(int{window.editor().font.FontImage[2]}, 0x5F);
        QCOMPARE(window.editor().font.DotGrid[DotIndex(0, 2)], kLit);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("&h5F"));  // the notation's form
        window.findChild<QAbstractButton*>(QStringLiteral("Command11"))->click();
        QCOMPARE(int{window.editor().font.FontImage[2]}, 0);
        QCOMPARE(window.editor().font.DotGrid[DotIndex(0, 2)], kDark);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("&h00"));
        table->item(0, 2)->setText(QStringLiteral("nonsense"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("&h00"));
    }

    void pointerAndClickMarkTheByte() {
        MainWindow window;
        OpenWithPanes(window);
        auto* grid = window.findChild<DotGridWidget*>();
        QTest::mouseMove(grid, grid->DotRect(DotIndex(3, 4)).center());
        auto* place = window.findChild<QLabel*>(QStringLiteral("InspectorPlace"));
        QCOMPARE(place->text(), QStringLiteral("байт 4, бит 3; в файле: 0x0004"));
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("InspectorBytes"));
        QVERIFY(table->item(0, 4)->background() != table->item(0, 3)->background());
        auto* inspector = window.findChild<ByteInspectorDock*>();
        inspector->PointAt(-1);
        const QRect cell = table->visualItemRect(table->item(0, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(inspector->inspector().chosenByte, 1);
        // The byte's dots are framed in orange on the grid.
        const QImage image = grid->grab().toImage();
        const QRect dot = grid->DotRect(DotIndex(5, 1));
        QCOMPARE(image.pixelColor(dot.left() + 1, dot.center().y()), QColor(255, 140, 0));
    }

    void previewFollowsEditsAndLooks() {
        MainWindow window;
        OpenWithPanes(window);
        auto* text = window.findChild<QLineEdit*>(QStringLiteral("PreviewText"));
        text->setText(QStringLiteral("!!"));
        auto* picture = window.findChild<QWidget*>(QStringLiteral("PreviewPicture"));
        QCOMPARE(picture->size(), QSize(2 * 6 * 2, 8 * 2));
        // "!" is missing until drawn: its cell is framed, its middle paper.
        QImage image = picture->grab().toImage();
        const QColor paper = image.pixelColor(5, 8);
        QCOMPARE(paper, QColor(0xA8, 0xC8, 0x4C));
        QVERIFY(image.pixelColor(0, 8) != paper);
        window.editor().font.FontImage[6 + 2] = 0x5F;  // "!" in column 2
        window.Render();
        image = picture->grab().toImage();
        QCOMPARE(image.pixelColor(5, 1), QColor(0x20, 0x34, 0x18));
        QCOMPARE(image.pixelColor(0, 8), paper);
        auto* look = window.findChild<QComboBox*>(QStringLiteral("PreviewLook"));
        QStringList looks;
        for (int index = 0; index < look->count(); ++index) {
            looks << look->itemText(index);
        }
        QCOMPARE(looks,
                 (QStringList{QStringLiteral("Тёмный на жёлто-зелёном"),
                              QStringLiteral("Белый на синем"),
                              QStringLiteral("OLED: белый на чёрном"), QStringLiteral("Свой")}));
        look->setCurrentIndex(2);
        QCOMPARE(picture->grab().toImage().pixelColor(5, 1), QColor(Qt::white));
        QCOMPARE(picture->grab().toImage().pixelColor(0, 8), QColor(Qt::black));
    }
};

QTEST_MAIN(InspectionDocksTest)
#include "pane_docks_qttest.moc"
