// Icons and type texts of the file dialogs, decided from a file's name and kind alone.
#pragma once

#include <QFileIconProvider>

namespace pixmora {

// The type shown for a file whose extension names no known type (".fnt" among them), and for a
// folder (Qt's own word for it has no Russian translation).
inline constexpr const char* kPlainFileType = "Файл";
inline constexpr const char* kFolderType = "Папка";

// Qt's own provider sniffs a file's content to name its type, and the read blocks the window for
// good on a file that never answers (in /proc, /sys, a stalled network mount). This one opens no
// file: the kind comes from the directory entry, the type text from the extension.
class NameOnlyIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace pixmora
