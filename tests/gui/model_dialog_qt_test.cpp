#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "gui/model_dialog_view.h"
#include "support/fake_host.h"
#include "support/test_font.h"

class ModelDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // The window stays beside the main window, and "ОК" replaces the row and closes it.
    void replacesARowWithoutBlocking() {
        const auto dir = std::filesystem::temp_directory_path() / "pixmora_model_dialog_qt";
        std::filesystem::create_directories(dir / "Model");
        {
            std::ofstream model(dir / "Model" / "t1.mod", std::ios::binary);
            for (int line = 0; line < 64; ++line) {
                model << "&h01,&h01,&h01,&h01,&h01,&h01,&h01,&h01\r\n";
            }
        }
        pixmora::Editor ed;
        pixmora::test::OpenTestFont(ed, 1, pixmora::kScanVertical1);
        for (const int index : pixmora::kModelRowChars) {
            pixmora::test::CharBytes(ed, index)[0] = index == 0 ? 0x00 : 0x01;
        }
        ed.font.CurrentChar = 9;
        pixmora::test::FakeHost host;
        host.programDir = dir.string();
        bool shown = false;
        // The main window is told before the closing message appears.
        pixmora::ModelDialogView view(ed, host, [&] { shown = host.messages.empty(); });
        view.Start();
        QVERIFY(view.isVisible());
        QVERIFY(!view.isModal());
        QVERIFY(view.findChild<QLabel*>() != nullptr);

        view.findChild<QLineEdit*>()->setText(QStringLiteral("0"));
        for (auto* button : view.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("ОК")) {
                button->click();
            }
        }
        QVERIFY(shown);
        QVERIFY(!view.isVisible());
        QCOMPARE(ed.font.CurrentChar, 0);
        QVERIFY(std::filesystem::exists(dir / "Model" / "t1.old"));
        QCOMPARE(host.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(host.messages[0].text),
                 QStringLiteral("Файл моделей обновлен."));
        std::filesystem::remove_all(dir);
    }
};

QTEST_MAIN(ModelDialogTest)
#include "model_dialog_qt_test.moc"
