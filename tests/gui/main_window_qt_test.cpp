#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "commands/menu_commands.h"
#include "gui/char_table_widget.h"
#include "gui/control_names.h"
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

    // The window at a laptop's size: every control in view, nothing scrolled.
    static void Show(MainWindow& window) {
        window.resize(1366, 768);
        window.show();
    }

    static void Activate(QWidget& window) {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static void CreateFont(MainWindow& window, int formatIndex, int scan) {
        FillParamsDialogSoon(formatIndex, scan, "Command1");
        window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    }

    static QColor ShownColour(DotGridWidget* grid, int dot) {
        const QImage image = grid->grab().toImage();
        return image.pixelColor(grid->DotRect(dot).center());
    }

    static QAction* MenuAction(MainWindow& window, MenuCommand command) {
        for (const Menu& menu : MenuBar()) {
            for (const MenuItem& item : menu.items) {
                if (item.command != command) {
                    continue;
                }
                for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
                    if (action->text() == QString::fromUtf8(item.text)) {
                        return action;
                    }
                }
            }
        }
        return nullptr;
    }

    // Runs `act`, turning down every dialog it opens; gives the kinds of dialog it opened.
    static QStringList RunDismissing(const std::function<void()>& act) {
        QStringList opened;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&opened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened << QString::fromLatin1(dialog->metaObject()->className());
                dialog->done(QDialog::Rejected);
            }
        });
        timer.start();
        act();
        timer.stop();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<QDialog*>(top) != nullptr) {
                opened << QString::fromLatin1(top->metaObject()->className());
                top->close();
            }
        }
        return opened;
    }

    // A 16 x 16 font with a line drawn and taken back, so that undo and redo are both offered.
    static void OpenDrawnFont(MainWindow& window) {
        Show(window);
        window.host().answerHook = [](const std::string&, const std::string&, MsgIcon, MsgButtons) {
            return MsgAnswer::No;
        };
        CreateFont(window, 3, kScanVertical1);
        auto* grid = window.findChild<DotGridWidget*>();
        window.findChild<QAbstractButton*>(QStringLiteral("Command18"))->click();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(DotIndex(1, 1)).center());
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(DotIndex(9, 9)).center());
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(DotIndex(1, 9)).center());
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(DotIndex(9, 1)).center());
        window.findChild<QAbstractButton*>(QStringLiteral("Command11"))->click();
        Activate(window);
    }

    static void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
        QApplication::sendEvent(widget, &event);
    }

  private slots:
    void startUpOffersOnlyCreateImportFromFontAndFindFont() {
        MainWindow window;
        Show(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Редактор знакогенератора"));
        QStringList shown;
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                shown << button->text();
            }
        }
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("Из шрифта…"), QStringLiteral("Импортировать"),
                                     QStringLiteral("Найти шрифт…"), QStringLiteral("Создать")}));
        QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("FindFontButton"))->toolTip(),
                 QStringLiteral("Найти таблицу шрифта в образе прошивки"));
        QCOMPARE(window.findChild<QAbstractButton*>(QStringLiteral("FromFontButton"))->toolTip(),
                 QStringLiteral("Нарисовать знаки из файла шрифта или установленного шрифта"));
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("OutputFrame"))->isVisible());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Label19"))->isVisible());
    }

    void createsAFontThroughTheDialog() {
        MainWindow window;
        Show(window);
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
        Show(window);
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
        Show(window);
        FillParamsDialogSoon(1, kScanVertical1, "Command2");
        window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(window.editor().params.FontByteScan, kNoScan);
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Command4"))->isVisible());
    }

    void clickOnADotChangesTheByteAndRepaints() {
        MainWindow window;
        Show(window);
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
        Show(window);
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
        Show(window);
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
        Show(window);
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

    // Every menu item that stands for a button is offered exactly while the button is shown, and
    // its shortcut (or the item) does what a click on the button does, dialogs included.
    void menuItemsAndShortcutsRunTheirButtonsCommands() {
        int compared = 0;
        for (const Menu& menu : MenuBar()) {
            for (const MenuItem& item : menu.items) {
                const auto button = ButtonOfMenuCommand(item.command);
                if (!button) {
                    continue;
                }
                const QString buttonName = QString::fromLatin1(ObjectNameOf(*button));
                MainWindow byMenu;
                MainWindow byButton;
                {
                    MainWindow fresh;
                    Show(fresh);
                    QCOMPARE(MenuAction(fresh, item.command)->isEnabled(),
                             fresh.findChild<QWidget*>(buttonName)->isVisible());
                }
                OpenDrawnFont(byButton);
                OpenDrawnFont(byMenu);
                QAction* action = MenuAction(byMenu, item.command);
                QVERIFY(action != nullptr);
                auto* shownButton = byButton.findChild<QAbstractButton*>(buttonName);
                QCOMPARE(action->isEnabled(), shownButton->isVisible());
                if (!action->isEnabled()) {
                    continue;
                }
                const QStringList clicked = RunDismissing([&] { shownButton->click(); });
                const QStringList chosen = RunDismissing([&] {
                    if (item.keys[0] != nullptr) {
                        Activate(byMenu);
                        QTest::keySequence(&byMenu,
                                           QKeySequence(QString::fromLatin1(item.keys[0])));
                    } else {
                        action->trigger();
                    }
                });
                QCOMPARE(chosen, clicked);
                const Editor& a = byMenu.editor();
                const Editor& b = byButton.editor();
                QVERIFY2(a.font.FontImage == b.font.FontImage, item.text);
                QVERIFY2(a.win.visible == b.win.visible, item.text);
                QCOMPARE(a.undo.UndoPosition, b.undo.UndoPosition);
                ++compared;
            }
        }
        QCOMPARE(compared, 12);  // every button item is offered with a drawn font open
    }

    void secondShortcutsReachTheSameCommand() {
        MainWindow window;
        OpenDrawnFont(window);
        const int undone = window.editor().undo.UndoPosition;
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        QCOMPARE(window.editor().undo.UndoPosition, undone - 1);
        QVERIFY(!MenuAction(window, MenuCommand::Redo)->isEnabled());
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(window.editor().undo.UndoPosition, undone);
    }

    void arrowsMoveTheCurrentCharacterAndEscapeReleasesTheTool() {
        {
            MainWindow fresh;
            Show(fresh);
            Activate(fresh);
            auto* table = fresh.findChild<CharTableWidget*>();
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table));
            QCOMPARE(table->nextInFocusChain(),
                     static_cast<QWidget*>(fresh.findChild<DotGridWidget*>()));
        }
        MainWindow window;
        OpenDrawnFont(window);
        auto* table = window.findChild<CharTableWidget*>();
        const Editor& ed = window.editor();
        QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(ed.font.CurrentChar, 17);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("CharStatus"))->text(),
                 QStringLiteral("Символ 31h (49) «1»"));
        QTest::keyClick(table, Qt::Key_End);
        QCOMPARE(ed.font.CurrentChar, 31);
        QTest::keyClick(table, Qt::Key_PageDown);
        QCOMPARE(ed.font.CurrentChar, 223);

        // A copy armed from the menu goes to the cell the arrow reaches.
        QTest::keyClick(table, Qt::Key_Home);
        QCOMPARE(ed.font.CurrentChar, 208);
        MenuAction(window, MenuCommand::CopyChar)->trigger();
        QTest::keyClick(table, Qt::Key_PageUp);
        QCOMPARE(ed.font.CurrentChar, 0);
        QCOMPARE(ed.win.movie, 0);

        window.findChild<QAbstractButton*>(QStringLiteral("Command19"))->click();
        QCOMPARE(ed.tools.ActiveTool, kToolFill);
        QTest::keyClick(window.findChild<DotGridWidget*>(), Qt::Key_Escape);
        QCOMPARE(ed.tools.ActiveTool, kNoTool);
    }

    void titleMarkFollowsUnsavedChanges() {
        MainWindow window;
        Show(window);
        CreateFont(window, 1, kScanVertical1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Без имени[*] — Редактор знакогенератора"));
        QVERIFY(!window.isWindowModified());
        auto* grid = window.findChild<DotGridWidget*>();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(0).center());
        QVERIFY(window.isWindowModified());
        window.editor().win.fileName = "font8x8.fnt";
        window.editor().win.nosave = 0;
        window.Render();
        QCOMPARE(window.windowTitle(), QStringLiteral("font8x8.fnt[*] — Редактор знакогенератора"));
        QVERIFY(!window.isWindowModified());
    }

    void dragPaintsEveryDotPassedAsOneUndoStep() {
        MainWindow window;
        Show(window);
        CreateFont(window, 3, kScanVertical1);  // 16 x 16
        auto* grid = window.findChild<DotGridWidget*>();
        const auto at = [grid](int row, int column) {
            return grid->DotRect(DotIndex(row, column)).center();
        };
        SendMouse(grid, QEvent::MouseButtonPress, at(3, 2), Qt::LeftButton);
        SendMouse(grid, QEvent::MouseMove, at(3, 4), Qt::LeftButton);
        SendMouse(grid, QEvent::MouseMove, at(6, 4), Qt::LeftButton);
        SendMouse(grid, QEvent::MouseButtonRelease, at(6, 4), Qt::NoButton);
        const Editor& ed = window.editor();
        QCOMPARE(ed.font.FontImage[2], std::uint8_t{0x08});
        QCOMPARE(ed.font.FontImage[3], std::uint8_t{0x08});
        QCOMPARE(ed.font.FontImage[4], std::uint8_t{0x78});
        QCOMPARE(ed.undo.UndoPosition, kInitialPosition - 1);
        QCOMPARE(ShownColour(grid, DotIndex(5, 4)), QColor(Qt::blue));
        window.findChild<QAbstractButton*>(QStringLiteral("Command11"))->click();
        QCOMPARE(ed.font.FontImage[4], std::uint8_t{0});
    }

    void zoomsWithKeysAndWheelAndFitsAgain() {
        MainWindow window;
        OpenDrawnFont(window);
        auto* grid = window.findChild<DotGridWidget*>();
        const int fitted = grid->ShownDotSize();
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl++")));
        QVERIFY(grid->ShownDotSize() > fitted);
        QWheelEvent wheel(QPointF(5, 5), grid->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &wheel);
        QApplication::sendEvent(grid, &wheel);
        QVERIFY(grid->ShownDotSize() < fitted);
        MenuAction(window, MenuCommand::FitToWindow)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(grid->ShownDotSize(), fitted);
    }

    void exportAreaKeepsItsPlaceForIntelHex() {
        MainWindow window;
        Show(window);
        CreateFont(window, 1, kScanVertical1);
        auto* save = window.findChild<QWidget*>(QStringLiteral("Command5"));
        auto* frame = window.findChild<QWidget*>(QStringLiteral("OutputFrame"));
        const QRect saveBefore = save->geometry();
        const QRect frameBefore = frame->geometry();
        auto* kind = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        kind->setCurrentIndex(3);
        emit kind->textActivated(kind->currentText());
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Text4"))->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(save->geometry(), saveBefore);
        QCOMPARE(frame->geometry(), frameBefore);
    }

    void tableShowsTheFontsGlyphsOnRequest() {
        MainWindow window;
        Show(window);
        CreateFont(window, 1, kScanVertical1);  // 8 x 8
        auto* grid = window.findChild<DotGridWidget*>();
        for (int row = 0; row < 7; ++row) {
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->DotRect(DotIndex(row, 0)).center());
        }
        auto* table = window.findChild<CharTableWidget*>();
        const auto dark = [table] {
            const QImage image = table->grab().toImage();
            const QRect cell = table->CellRect(0);
            int count = 0;
            for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
                for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                    count += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
                }
            }
            return count;
        };
        QCOMPARE(dark(), 0);  // the space shows no letter
        QAction* glyphs = MenuAction(window, MenuCommand::TableGlyphs);
        QVERIFY(glyphs->isCheckable() && !glyphs->isChecked());
        glyphs->trigger();
        QVERIFY(glyphs->isChecked());
        QVERIFY(dark() > 0);
    }

    void buttonPicturesHaveADoubleSizeCopy() {
        MainWindow window;
        const QImage large =
            LoadPicture(QCoreApplication::applicationDirPath(), QStringLiteral("Line@2x.bmp"))
                .toImage();
        QCOMPARE(large.size(), QSize(56, 56));
        const QIcon icon = window.findChild<QAbstractButton*>(QStringLiteral("Command18"))->icon();
        QCOMPARE(icon.pixmap(QSize(28, 28), 2.0).toImage().convertToFormat(large.format()), large);
    }

    // "Выход" closes the window through the same question as the window frame.
    void exitAsksLikeTheWindowFrame() {
        MainWindow window;
        OpenDrawnFont(window);
        int asked = 0;
        window.host().answerHook = [&asked](const std::string&, const std::string&, MsgIcon,
                                            MsgButtons) {
            ++asked;
            return MsgAnswer::No;
        };
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(asked, 1);
        QVERIFY(window.isVisible());
        window.editor().win.nosave = 0;
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(asked, 1);
        QVERIFY(!window.isVisible());
    }

    void closingWithoutChangesAsksNothing() {
        MainWindow window;
        Show(window);
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
