// The editor's whole state for one run: one instance owned by the application, tests make their
// own.
#pragma once

#include "editor/char_table.h"
#include "editor/file_dialogs.h"
#include "editor/tool_state.h"
#include "editor/undo_history.h"
#include "editor/view_settings.h"
#include "editor/window_state.h"
#include "model/font_model.h"

namespace pixmora {

struct Editor {
    FontParams params;
    FontModel font;
    CharTable table;
    MainWindowState win;
    ToolState tools;
    UndoHistory undo;
    FileDialogMemory fileDialogs;
    ViewSettings view;
};

// Returns the model to an empty picture: all bytes and dots cleared, every table cell in the
// empty look, the letterless cells blank. Parameters, the current character, dot visibility and
// backgrounds are kept.
void ResetFontModel(Editor& ed);

// Table cell looks.
void SetEmptyLook(Editor& ed, int index);
void SetDefinedLook(Editor& ed, int index);

}  // namespace pixmora
