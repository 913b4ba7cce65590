#include "gui/qt_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <memory>

#include "editor/editor.h"
#include "gui/array_dialog_view.h"
#include "gui/enlarge_dialog_view.h"
#include "gui/file_dialog_view.h"
#include "gui/found_font_dialog_view.h"
#include "gui/from_font_dialog_view.h"
#include "gui/model_dialog_view.h"
#include "gui/params_dialog_view.h"
#include "gui/qt_text.h"
#include "gui/scan_dialog_view.h"
#include "io/model_places.h"

namespace pixmora {

namespace {

// Message texts break lines with "\n" and sometimes a bare "\r"; both become line breaks.
QString MessageText(const std::string& text) {
    QString result = ToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

}  // namespace

MsgAnswer QtHost::Message(const std::string& text, const std::string& title, MsgIcon icon,
                          MsgButtons buttons) {
    if (answerHook) {
        return answerHook(text, title, icon, buttons);
    }
    QMessageBox box(parent_);
    box.setWindowTitle(ToQt(title));
    box.setText(MessageText(text));
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            // Escape on a Yes/No box counts as No.
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
}

std::optional<std::string> QtHost::OpenFile(const FileDialogRequest& request) {
    return RunOpenDialog(parent_, request);
}

std::optional<std::string> QtHost::SaveFile(const FileDialogRequest& request) {
    return RunSaveDialog(parent_, request);
}

std::optional<ParamsChoice> QtHost::RunParamsDialog(Editor& ed) {
    ParamsDialogView dialog(ed, *this, parent_);
    dialog.exec();
    return dialog.choice();
}

std::optional<int> QtHost::RunScanDialog(Editor& ed) {
    return RunScanDialogView(parent_, ed, *this);
}

std::optional<CellFormat> QtHost::RunEnlargeDialog(Editor& ed) {
    return RunEnlargeDialogView(parent_, ed, *this);
}

std::optional<FromFontChoice> QtHost::RunFromFontDialog(Editor& ed) {
    return RunFromFontDialogView(parent_, ed, *this);
}

void QtHost::OpenModelDialog(Editor& ed) {
    if (modelDialog_ == nullptr) {
        modelDialog_ = new ModelDialogView(
            ed, *this,
            [this] {
                if (stateChanged) {
                    stateChanged();
                }
            },
            parent_);
    }
    modelDialog_->Start();
}

std::optional<std::size_t> QtHost::ChooseArray(const std::vector<ArrayListing>& arrays,
                                               std::size_t preselected) {
    return RunArrayDialogView(parent_, arrays, preselected);
}

std::optional<std::size_t> QtHost::ChooseFoundFont(const FoundFontList& list) {
    return RunFoundFontDialogView(parent_, list);
}

// The work runs on a thread of its own while this thread keeps the window painted and the cancel
// button pressable; the worker learns of a cancel at its next report.
bool QtHost::RunWithProgress(const std::string& text, const ProgressWork& work) {
    constexpr int kSteps = 1000;
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    QProgressDialog dialog(ToQt(text), QStringLiteral("Отмена"), 0, kSteps, parent_);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // The pointer stays an arrow over the dialog so that its cancel button looks pressable.
    dialog.setCursor(Qt::ArrowCursor);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
    std::unique_ptr<QThread> worker(QThread::create([&] {
        work([&](double share) {
            done = static_cast<int>(std::clamp(share, 0.0, 1.0) * kSteps);
            return !cancelled;
        });
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] { dialog.setValue(done); });
    timer.start(50);
    dialog.show();
    worker->start();
    loop.exec();
    worker->wait();
    return !cancelled;
}

void QtHost::FollowModelButton(const Editor& ed) {
    if (modelDialog_ != nullptr && !IsVisible(ed.win, Ctl::CreateModel)) {
        modelDialog_->hide();
    }
}

void QtHost::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::string QtHost::ProgramDir() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtHost::UserDataDir() {
    return UserDataDirFromEnvironment();
}

}  // namespace pixmora
