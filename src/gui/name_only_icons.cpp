#include "gui/name_only_icons.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace pixmora {

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) {
        return icon(Drive);
    }
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir() && !info.isRoot()) {
        return QString::fromUtf8(kFolderType);
    }
    if (!info.isFile() || info.isRoot()) {
        // Drives, dangling links and the rest are named from the entry; Qt reads nothing for them.
        return QFileIconProvider::type(info);
    }
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    if (mime.isDefault()) {
        return QString::fromUtf8(kPlainFileType);
    }
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace pixmora
