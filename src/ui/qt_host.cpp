#include "ui/qt_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "io/model_dialog_view.h"
#include "io/model_places.h"
#include "model/editor.h"
#include "transform/enlarge_dialog_view.h"
#include "transform/scan_dialog_view.h"
#include "ui/params_dialog_view.h"

namespace pixmora {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Message texts break lines with "\n" and sometimes a bare "\r"; both become line breaks.
QString MessageText(const std::string& text) {
    QString result = ToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// "desc|pattern|desc|pattern" becomes Qt's "desc (pattern);;desc (pattern)". A description that
// already ends with its pattern in brackets is kept as it is.
QString NameFilters(const std::string& filter) {
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            filters << description;
        } else {
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return filters.join(QStringLiteral(";;"));
}

QString StartPath(const FileDialogRequest& request) {
    if (request.proposedName.empty()) {
        return ToQt(request.initialDir);
    }
    return QDir(ToQt(request.initialDir)).filePath(ToQt(request.proposedName));
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
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
    return Chosen(QFileDialog::getOpenFileName(parent_, ToQt(request.title), StartPath(request),
                                               NameFilters(request.filter)));
}

std::optional<std::string> QtHost::SaveFile(const FileDialogRequest& request) {
    return Chosen(QFileDialog::getSaveFileName(parent_, ToQt(request.title), StartPath(request),
                                               NameFilters(request.filter)));
}

void QtHost::RunParamsDialog(Editor& ed) {
    ParamsDialogView dialog(ed, *this, parent_);
    dialog.exec();
}

void QtHost::RunScanDialog(Editor& ed) {
    RunScanDialogView(parent_, ed, *this);
}

void QtHost::RunEnlargeDialog(Editor& ed) {
    RunEnlargeDialogView(parent_, ed, *this);
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

void QtHost::FollowModelButton(const Editor& ed) {
    if (modelDialog_ != nullptr && !IsVisible(ed.win, Ctl::Command22)) {
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
