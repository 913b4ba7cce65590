#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <functional>

#include "gui/qt_host.h"
#include "io/export.h"

using namespace pixmora;

namespace {

// A file whose every opening is noticed: the write lease makes the kernel signal this process
// before anyone else's open() of the file returns, and the handler lets that open go on.
int leasedFile = -1;
std::atomic<int> leaseBreaks = 0;  // lock-free, so safe in the handler

void OnLeaseBreak(int) {
    ++leaseBreaks;
    fcntl(leasedFile, F_SETLEASE, F_UNLCK);
}

bool LeaseFile(const QString& path) {
    leasedFile = open(QFile::encodeName(path).constData(), O_RDWR);
    struct sigaction action {};
    action.sa_handler = OnLeaseBreak;
    return leasedFile >= 0 && sigaction(SIGRTMIN, &action, nullptr) == 0 &&
           fcntl(leasedFile, F_SETSIG, SIGRTMIN) == 0 &&
           fcntl(leasedFile, F_SETLEASE, F_WRLCK) == 0;
}

void WriteFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// Runs `step` every 10 ms while the dialog of the test is up; it drives whatever window is modal.
class ModalDriver {
  public:
    explicit ModalDriver(std::function<void(QWidget*)> step) : step_(std::move(step)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ++ticks;
            if (QWidget* modal = QApplication::activeModalWidget()) {
                step_(modal);
            }
        });
        timer_.start(10);
    }
    int ticks = 0;

  private:
    QTimer timer_;
    std::function<void(QWidget*)> step_;
};

void AcceptSoon(QFileDialog* dialog) {
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

}  // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Qt's dialog keeps its history in the user's settings; the tests keep theirs apart.
        QStandardPaths::setTestModeEnabled(true);
    }

    void cleanup() {
        if (leasedFile >= 0) {
            close(leasedFile);
            leasedFile = -1;
        }
    }

    // The dialogs list, type out and return a file that cannot be read without waiting, and a
    // pipe, while the event loop keeps turning; neither file is ever opened to draw it.
    void dialogsNeverOpenAFileToDrawIt_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("import") << false;
        QTest::newRow("export") << true;
    }
    void dialogsNeverOpenAFileToDrawIt() {
        QFETCH(bool, save);
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("version"));
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        WriteFile(blocker, "no extension: Qt would read it to name its type\n");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        if (!LeaseFile(blocker)) {
            QSKIP("no file lease here to notice a reading");
        }
        leaseBreaks = 0;

        QDir(dir.path()).mkdir(QStringLiteral("fonts"));
        QString shownType;
        QString folderType;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::Yes)->click();  // the export replaces the file
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            auto* model = dialog->findChild<QFileSystemModel*>();
            const QModelIndex listed = model->index(blocker, 2);
            if (!listed.isValid() || driver.ticks < 10 || !shownType.isEmpty()) {
                return;
            }
            shownType = model->data(listed).toString();  // the type column of the details view
            folderType =
                model->data(model->index(dir.filePath(QStringLiteral("fonts")), 2)).toString();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(name, pipe);
            name->setText(blocker);
            AcceptSoon(dialog);
        });
        QtHost host(nullptr);
        // Every name shown, so that the dialog draws the file without an extension.
        const FileDialogRequest request{"Выбор", "Все файлы|*", dir.path().toStdString(), ""};
        const std::optional<std::string> chosen =
            save ? host.SaveFile(request) : host.OpenFile(request);
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), blocker);
        QCOMPARE(shownType, QStringLiteral("Файл"));  // named from the missing extension
        QCOMPARE(folderType, QStringLiteral("Папка"));
        QVERIFY2(driver.ticks >= 10, "the event loop turned while the dialog was open");
        QCOMPARE(leaseBreaks.load(), 0);
    }

    // "Font08x08v1p" is offered; accepting it asks about "Font08x08v1p.fnt", the file written.
    void saveDialogAddsTheExtensionBeforeTheOverwriteQuestion_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("source") << QString::fromUtf8(kSourceFilter.data(), kSourceFilter.size())
                                << "Font08x08v1p"
                                << "Font08x08v1p.fnt";
        QTest::newRow("hex") << QString::fromUtf8(kHexFilter.data(), kHexFilter.size())
                             << "Font08x08v1p-0000H"
                             << "Font08x08v1p-0000H.hex";
        QTest::newRow("typed extension")
            << QString::fromUtf8(kSourceFilter.data(), kSourceFilter.size()) << "font.txt"
            << "font.txt";
    }
    void saveDialogAddsTheExtensionBeforeTheOverwriteQuestion() {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        WriteFile(dir.filePath(written), "old");

        QString startDir;
        QString offeredName;
        QString question;
        bool accepted = false;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !accepted) {
                accepted = true;
                startDir = dialog->directory().path();
                offeredName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                AcceptSoon(dialog);
            }
        });
        QtHost host(nullptr);
        const std::optional<std::string> chosen =
            host.SaveFile({std::string(kSaveDialogTitle), filter.toStdString(),
                           dir.path().toStdString(), typed.toStdString()});
        QCOMPARE(startDir, dir.path());
        QCOMPARE(offeredName, typed);
        QVERIFY2(question.contains(written), qPrintable(question));
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), dir.filePath(written));
    }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_qt_test.moc"
