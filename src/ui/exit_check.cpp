#include "ui/exit_check.h"

#include "model/editor.h"
#include "model/host.h"

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
