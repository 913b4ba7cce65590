#include "gui/pictures.h"

#include <QDir>
#include <QFileInfo>

namespace pixmora {

QPixmap LoadPictureFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        return QPixmap(path);
    }
    const QDir dir = info.dir();
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            return QPixmap(dir.filePath(entry));
        }
    }
    return {};
}

QPixmap LoadPicture(const QString& programDir, const QString& name) {
    return LoadPictureFile(programDir + QStringLiteral("/Pict/") + name);
}

QIcon LoadButtonIcon(const QString& programDir, const QString& name) {
    QIcon icon(LoadPicture(programDir, name));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QPixmap large =
        LoadPicture(programDir, name.left(dot) + QStringLiteral("@2x") + name.mid(dot));
    if (!large.isNull()) {
        icon.addPixmap(large);
    }
    return icon;
}

}  // namespace pixmora
