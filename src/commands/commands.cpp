#include "commands/commands.h"

#include "commands/font_commands.h"
#include "commands/new_font.h"
#include "editor/editor.h"
#include "editor/host.h"
#include "import/import_font.h"
#include "io/export.h"
#include "tools/shift_and_mirror.h"
#include "transform/font_conversion.h"
#include "transform/scan_change.h"

namespace pixmora {

namespace {

int ToolOfButton(Ctl button) {
    for (int tool = 1; tool <= kToolCount; ++tool) {
        if (ToolTable(tool).button == button) {
            return tool;
        }
    }
    return kNoTool;
}

}  // namespace

void RunCommand(Editor& ed, Host& host, Ctl button) {
    switch (button) {
        case Ctl::Command1:
            NewFont(ed, host);
            break;
        case Ctl::Command2:
            ImportFont(ed, host);
            break;
        case Ctl::Command3:
            ClearCurrentChar(ed, host);
            break;
        case Ctl::Command4:
            DeleteFont(ed, host);
            break;
        case Ctl::Command5:
            ExportFont(ed, host);
            break;
        case Ctl::Command6:
            ShiftGlyph(ed, Direction::Up);
            break;
        case Ctl::Command7:
            ShiftGlyph(ed, Direction::Down);
            break;
        case Ctl::Command8:
            ShiftGlyph(ed, Direction::Left);
            break;
        case Ctl::Command9:
            ShiftGlyph(ed, Direction::Right);
            break;
        case Ctl::Command10:
            ChangeByteScan(ed, host);
            break;
        case Ctl::Command11:
            UndoStep(ed);
            break;
        case Ctl::Command12:
            MirrorGlyph(ed);
            break;
        case Ctl::Command13:
            EnlargeFont(ed, host);
            break;
        case Ctl::Command21:
            RedoStep(ed);
            break;
        case Ctl::Command22:
            host.OpenModelDialog(ed);
            break;
        case Ctl::Command14:
        case Ctl::Command15:
        case Ctl::Command16:
        case Ctl::Command17:
        case Ctl::Command18:
        case Ctl::Command19:
        case Ctl::Command20:
        case Ctl::Command23:
            ToolButtonClick(ed, ToolOfButton(button));
            break;
        default:
            break;
    }
}

}  // namespace pixmora
