#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "gui/dot_grid_widget.h"
#include "gui/main_window.h"
#include "gui/model_dialog_view.h"
#include "gui/params_dialog_view.h"
#include "gui/pictures.h"
#include "gui/qt_translation.h"
#include "io/export_settings.h"
#include "model/glyph_packing.h"

using namespace pixmora;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Question {
        std::string text;
        std::string title;
    };

    // Answers the next parameters dialog: a format, a scan, then the button named okOrCancel.
    static void FillParamsDialogSoon(int formatIndex, int scan, const char* okOrCancel) {
        QTimer::singleShot(0, [formatIndex, scan, okOrCancel] {
            auto* dialog = qobject_cast<ParamsDialogView*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("Command1"))->isVisible());
            dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(formatIndex);
            dialog->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(scan))->click();
            QVERIFY2(!dialog->close(), "the window frame does not close the dialog");
            QVERIFY(dialog->isVisible());
            dialog->findChild<QAbstractButton*>(QString::fromLatin1(okOrCancel))->click();
        });
    }

    static void CreateFont(MainWindow& window, int formatIndex, int scan) {
        FillParamsDialogSoon(formatIndex, scan, "Command1");
        window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    }

    static QColor ShownColour(DotGridWidget* grid, int dot) {
        const QImage image = grid->grab().toImage();
        return image.pixelColor(grid->DotRect(dot).center());
    }

  private slots:
    void startUpOffersOnlyCreateImportAndFromFont() {
        MainWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Редактор знакогенератора"));
        QStringList shown;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                shown << button->text();
            }
        }
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("Из шрифта…"), QStringLiteral("Импортировать"),
                                     QStringLiteral("Создать")}));
        QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("FromFontButton"))->toolTip(),
                 QStringLiteral("Нарисовать знаки из файла шрифта или установленного шрифта"));
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("OutputFrame"))->isVisible());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Label19"))->isVisible());
    }

    void createsAFontThroughTheDialog() {
        MainWindow window;
        window.show();
        CreateFont(window, 5, kScanHorizontal2);
        QCOMPARE(window.editor().params.BytesPerChar, 96);
        QCOMPARE(window.editor().params.FontByteScan, kScanHorizontal2);
        auto* caption = window.findChild<QLabel*>(QStringLiteral("Label19"));
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->text(), QStringLiteral("Шрифт 24 x 32 горизонтальный 2"));
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Command18"))->isVisible());
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("OutputFrame"))->isVisible());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Command11"))->isVisible());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Text4"))->isVisible());
        auto* grid = window.findChild<DotGridWidget*>();
        QCOMPARE(ShownColour(grid, DotIndex(31, 23)), QColor(Qt::yellow));
        QCOMPARE(ShownColour(grid, DotIndex(0, 0)), QColor(Qt::white));
        QCOMPARE(grid->DotAt(grid->DotRect(DotIndex(0, 24)).center()), -1);
    }

    void createsAnEightBySixteenFontListedAfterTheNine() {
        MainWindow window;
        window.show();
        QStringList listed;
        QTimer::singleShot(0, [&listed] {
            auto* combo =
                QApplication::activeModalWidget()->findChild<QComboBox*>(QStringLiteral("Combo1"));
            for (int item = 0; item < combo->count(); ++item) {
                listed << combo->itemText(item);
            }
        });
        CreateFont(window, 10, kScanHorizontal1);
        QCOMPARE(listed.mid(8), (QStringList{QStringLiteral("48 x 56"), QStringLiteral("5 x 8"),
                                             QStringLiteral("8 x 16")}));
        QCOMPARE(window.editor().params.BytesPerChar, 16);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label19"))->text(),
                 QStringLiteral("Шрифт 8 x 16 горизонтальный 1"));
        auto* grid = window.findChild<DotGridWidget*>();
        QCOMPARE(ShownColour(grid, DotIndex(15, 0)), QColor(Qt::yellow));
        QCOMPARE(ShownColour(grid, DotIndex(0, 7)), QColor(Qt::yellow));
        QCOMPARE(ShownColour(grid, DotIndex(14, 6)), QColor(Qt::white));
        QCOMPARE(grid->DotAt(grid->DotRect(DotIndex(0, 8)).center()), -1);
    }

    void firmwareKindsShowTheirOptionsAndTheWindowPassesThemOn() {
        MainWindow window;
        window.show();
        CreateFont(window, 4, kScanHorizontal1);
        auto* kinds = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        QCOMPARE(kinds->count(), 8);
        const auto choose = [&](const char* kind) {
            emit kinds->textActivated(QString::fromUtf8(kind));
            QApplication::processEvents();
        };
        const auto shown = [&](const char* name) {
            return window.findChild<QWidget*>(QString::fromLatin1(name))->isVisible();
        };
        const auto text = [&](const char* name) {
            QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                return label->text();
            }
            return qobject_cast<QAbstractButton*>(widget)->text();
        };
        choose("Заголовок C");
        QVERIFY(shown("ArrayName") && shown("ArtCheck") && shown("PlacementCombo"));
        QVERIFY(!shown("Combo2") && !shown("BaselineRow"));
        QCOMPARE(text("ArrayNameLabel"), QStringLiteral("Имя массива"));
        QCOMPARE(text("ArtCheck"), QStringLiteral("Рисунок символов"));
        QCOMPARE(text("PlacementLabel"), QStringLiteral("Размещение"));
        QTest::keyClicks(window.findChild<QWidget*>(QStringLiteral("ArrayName")), "lcd_font");
        window.findChild<QAbstractButton*>(QStringLiteral("ArtCheck"))->click();
        emit window.findChild<QComboBox*>(QStringLiteral("PlacementCombo"))
            ->textActivated(QStringLiteral("PROGMEM"));
        choose("Шрифт BDF");
        QVERIFY(shown("BaselineRow") && shown("CodePageCheck"));
        QVERIFY(!shown("ArrayName") && !shown("ArtCheck"));
        QCOMPARE(text("BaselineLabel"), QStringLiteral("Базовая строка"));
        QCOMPARE(text("CodePageCheck"), QStringLiteral("Коды Windows-1251"));
        QTest::keyClicks(window.findChild<QWidget*>(QStringLiteral("BaselineRow")), "19");
        window.findChild<QAbstractButton*>(QStringLiteral("CodePageCheck"))->click();
        choose("Adafruit GFX");
        QVERIFY(shown("ArrayName") && shown("BaselineRow") && shown("GfxStructsCheck"));
        QCOMPARE(text("GfxStructsCheck"), QStringLiteral("Объявить GFXglyph и GFXfont"));
        window.findChild<QAbstractButton*>(QStringLiteral("GfxStructsCheck"))->click();
        const ExportSettings settings = ExportSettingsOf(window.editor().win);
        QVERIFY(settings.kind == OutputFormat::Gfx);
        QCOMPARE(settings.arrayName, std::string("lcd_font"));
        QVERIFY(settings.art && settings.gfxStructs);
        QVERIFY(settings.placement == FlashPlacement::Progmem);
        QCOMPARE(settings.baselineRow, std::string("19"));
        QVERIFY(settings.bdfEncoding == BdfEncoding::CodePage);
    }

    void cancellingTheDialogCreatesNothing() {
        MainWindow window;
        window.show();
        FillParamsDialogSoon(1, kScanVertical1, "Command2");
        window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(window.editor().params.FontByteScan, kNoScan);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Command4"))->isVisible());
    }

    void clickOnADotChangesTheByteAndRepaints() {
        MainWindow window;
        window.show();
        CreateFont(window, 3, kScanVertical1);  // 16 x 16
        auto* grid = window.findChild<DotGridWidget*>();
        const int dot = DotIndex(9, 3);  // byte 19, bit 1
        QCOMPARE(ShownColour(grid, dot), QColor(Qt::white));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(dot).center());
        QCOMPARE(window.editor().font.FontImage[19], std::uint8_t{0x02});
        QCOMPARE(ShownColour(grid, dot), QColor(Qt::blue));
        QCOMPARE(window.editor().win.nosave, 1);

        auto* status = window.findChild<QLabel*>(QStringLiteral("Label30"));
        QTest::mouseMove(grid, grid->DotRect(DotIndex(7, 5)).center());
        QCOMPARE(status->text(), QStringLiteral("X=5  Y=7"));
        QVERIFY(status->isVisible());

        // Straight from the grid into a button group's inside: that is background as well.
        for (auto* group : window.findChildren<QGroupBox*>()) {
            if (group->title() == QStringLiteral("Знакоместо")) {
                QTest::mouseMove(group, QPoint(4, group->height() - 4));
            }
        }
        QVERIFY(!status->isVisible());
    }

    // The letter "Ф" with a filled left half: a line for the stem, a circle around its middle and
    // a fill of the closed region left of the stem.
    void drawsWithLineCircleAndFill() {
        MainWindow window;
        window.show();
        CreateFont(window, 4, kScanVertical1);  // 16 x 24
        auto* grid = window.findChild<DotGridWidget*>();
        const auto click = [&](const char* button) {
            window.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        };
        const auto clickDot = [&](int column, int row) {
            const QPoint centre = grid->DotRect(DotIndex(row, column)).center();
            QTest::mouseMove(grid, centre);
            QTest::mouseClick(grid, Qt::LeftButton, {}, centre);
        };
        click("Command18");
        clickDot(6, 1);
        clickDot(6, 20);
        click("Command23");
        clickDot(6, 10);
        QTest::mouseMove(grid, grid->DotRect(DotIndex(10, 11)).center());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label31"))->text(),
                 QStringLiteral("R=5"));
        clickDot(11, 10);
        // The armed tool's button shows its armed picture, the released ones theirs.
        const auto shows = [&](const char* button, const char* picture) {
            const QImage wanted =
                LoadPicture(QCoreApplication::applicationDirPath(), QString::fromLatin1(picture))
                    .toImage();
            const QIcon icon =
                window.findChild<QAbstractButton*>(QString::fromLatin1(button))->icon();
            return !wanted.isNull() &&
                   icon.pixmap(wanted.size()).toImage().convertToFormat(wanted.format()) == wanted;
        };
        QVERIFY(shows("Command19", ToolTable(kToolFill).releasedPicture));
        click("Command19");
        QVERIFY(shows("Command19", ToolTable(kToolFill).armedPicture));
        QVERIFY(shows("Command23", ToolTable(kToolCircle).releasedPicture));
        clickDot(4, 10);

        const Editor& ed = window.editor();
        const auto lit = [&](int column, int row) {
            return GlyphDot({ed.font.FontImage.data(), 48}, kScanVertical1, 16, row, column);
        };
        QVERIFY(lit(6, 1) && lit(6, 20));                               // the stem
        QVERIFY(lit(1, 10) && lit(11, 10) && lit(6, 5) && lit(6, 15));  // the circle
        QVERIFY(lit(4, 10) && lit(2, 9));                               // the filled half
        QVERIFY(!lit(8, 10) && !lit(0, 10));
        QCOMPARE(ShownColour(grid, DotIndex(10, 4)), QColor(Qt::blue));
        QCOMPARE(ed.undo.UndoPosition, 2);  // line, circle, fill
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Command11"))->isVisible());
        QCOMPARE(ed.win.nosave, 1);
    }

    // "Удалить шрифт" withdraws " Создать модель", and the open model dialog goes with it.
    void deletingTheFontClosesTheModelDialog() {
        MainWindow window;
        window.show();
        window.host().answerHook = [](const std::string&, const std::string&, MsgIcon, MsgButtons) {
            return MsgAnswer::Yes;
        };
        CreateFont(window, 1, kScanVertical1);
        window.findChild<QAbstractButton*>(QStringLiteral("Command22"))->click();
        auto* dialog = window.findChild<ModelDialogView*>();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());

        window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Command22"))->isVisible());
        QVERIFY(!dialog->isVisible());
    }

    void qtsOwnButtonsSpeakRussian() {
        if (!InstallRussianQtTexts()) {
            QSKIP("Qt's Russian translation is not installed here");
        }
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Да"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Нет"));
    }

    void closingWithUnsavedChangesAsks() {
        MainWindow window;
        window.show();
        std::vector<Question> asked;
        MsgAnswer answer = MsgAnswer::No;
        window.host().answerHook = [&](const std::string& text, const std::string& title, MsgIcon,
                                       MsgButtons) {
            asked.push_back({text, title});
            return answer;
        };
        CreateFont(window, 1, kScanVertical1);
        auto* grid = window.findChild<DotGridWidget*>();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(0).center());

        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].text, std::string("Несохраненные данные будут потеряны. Продолжить?"));
        QCOMPARE(asked[0].title, std::string("Внимание!"));

        answer = MsgAnswer::Yes;
        QVERIFY(window.close());
        QCOMPARE(asked.size(), std::size_t{2});
    }

    void closingWithoutChangesAsksNothing() {
        MainWindow window;
        window.show();
        bool asked = false;
        window.host().answerHook = [&](const std::string&, const std::string&, MsgIcon,
                                       MsgButtons) {
            asked = true;
            return MsgAnswer::No;
        };
        QVERIFY(window.close());
        QVERIFY(!asked);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qt_test.moc"
