// The buttons of the main window, each mapped to the command it runs.
#pragma once

#include "editor/window_state.h"

namespace pixmora {

struct Editor;
class Host;

void RunCommand(Editor& ed, Host& host, Ctl button);

}  // namespace pixmora
