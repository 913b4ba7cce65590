// The open and save dialogs of the editor.
#pragma once

#include <optional>
#include <string>

#include "editor/host.h"

class QWidget;

namespace pixmora {

// Qt's own dialog widget, which never reads a file's content to draw it: a chosen existing file,
// or nothing when cancelled.
std::optional<std::string> RunOpenDialog(QWidget* parent, const FileDialogRequest& request);
// The same for a target: a name typed without an extension gets that of the chosen filter before
// the overwrite question, which therefore names the file really written.
std::optional<std::string> RunSaveDialog(QWidget* parent, const FileDialogRequest& request);

}  // namespace pixmora
