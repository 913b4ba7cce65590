#include "gui/file_dialog_view.h"

#include <QFileDialog>
#include <QStringList>

#include "editor/file_dialogs.h"
#include "gui/name_only_icons.h"
#include "gui/qt_text.h"

namespace pixmora {

namespace {

// "desc|pattern|desc|pattern" becomes Qt's "desc (pattern)" entries, in the same order. A
// description that already ends with its pattern in brackets is kept as it is.
QStringList NameFilters(const std::string& filter) {
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
    return filters;
}

// Qt's dialog adds its suffix by the rule WithDefaultExtension states; the suffix itself is the
// core's choice for the filter entry shown. The entry is found in Qt's own list, where runs of
// blanks are already cut to one.
void FollowFilterExtension(QFileDialog& dialog, const FileDialogRequest& request) {
    const auto follow = [&dialog, &request](const QString& chosen) {
        const qsizetype entry = dialog.nameFilters().indexOf(chosen);
        dialog.setDefaultSuffix(
            entry < 0 ? QString()
                      : ToQt(FilterExtension(request.filter, static_cast<std::size_t>(entry))));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    NameOnlyIconProvider icons;  // outlives the dialog
    QFileDialog dialog(parent, ToQt(request.title));
    // Before anything else, so that no file is drawn by Qt's sniffing provider: the icons are
    // asked for in the event loop, and only Qt's own widget takes a provider (a native dialog
    // would sniff in its own way).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(request.filter));
    dialog.setDirectory(ToQt(request.initialDir));
    if (!request.proposedName.empty()) {
        dialog.selectFile(ToQt(request.proposedName));
    }
    if (mode == QFileDialog::AcceptSave) {
        FollowFilterExtension(dialog, request);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::optional<std::string> RunOpenDialog(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> RunSaveDialog(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

}  // namespace pixmora
