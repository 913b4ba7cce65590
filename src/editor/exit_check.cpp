#include "editor/exit_check.h"

#include "editor/editor.h"
#include "editor/host.h"

namespace pixmora {

bool ConfirmDiscardUnsaved(Editor& ed, Host& host) {
    if (ed.win.nosave != 1) {
        return true;
    }
    return host.Message(kUnsavedQuestion, kWarningTitle, MsgIcon::Exclamation, MsgButtons::YesNo) !=
           MsgAnswer::No;
}

bool ConfirmExit(Editor& ed, Host& host) {
    return ConfirmDiscardUnsaved(ed, host);
}

}  // namespace pixmora
