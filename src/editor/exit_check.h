// Unsaved changes are never thrown away without a question.
#pragma once

namespace pixmora {

struct Editor;
class Host;

inline constexpr const char* kUnsavedQuestion = "Несохраненные данные будут потеряны. Продолжить?";
inline constexpr const char* kWarningTitle = "Внимание!";

// With unsaved changes, asks whether to go on; false when the user answers No.
bool ConfirmDiscardUnsaved(Editor& ed, Host& host);

// The main window is asked to close: true lets the program end.
bool ConfirmExit(Editor& ed, Host& host);

}  // namespace pixmora
