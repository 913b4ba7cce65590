#include "commands/commands.h"

#include "commands/find_font.h"
#include "commands/font_commands.h"
#include "commands/from_font.h"
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
        case Ctl::New:
            NewFont(ed, host);
            break;
        case Ctl::Import:
            ImportFont(ed, host);
            break;
        case Ctl::FromFont:
            DrawFontFromFile(ed, host);
            break;
        case Ctl::FindFont:
            FindFontInImage(ed, host);
            break;
        case Ctl::ClearChar:
            ClearCurrentChar(ed, host);
            break;
        case Ctl::DeleteFont:
            DeleteFont(ed, host);
            break;
        case Ctl::Save:
            ExportFont(ed, host);
            break;
        case Ctl::ShiftUp:
            ShiftGlyph(ed, Direction::Up);
            break;
        case Ctl::ShiftDown:
            ShiftGlyph(ed, Direction::Down);
            break;
        case Ctl::ShiftLeft:
            ShiftGlyph(ed, Direction::Left);
            break;
        case Ctl::ShiftRight:
            ShiftGlyph(ed, Direction::Right);
            break;
        case Ctl::ChangeScan:
            ChangeByteScan(ed, host);
            break;
        case Ctl::Undo:
            UndoStep(ed);
            break;
        case Ctl::Mirror:
            MirrorGlyph(ed);
            break;
        case Ctl::Enlarge:
            EnlargeFont(ed, host);
            break;
        case Ctl::Redo:
            RedoStep(ed);
            break;
        case Ctl::CreateModel:
            host.OpenModelDialog(ed);
            break;
        case Ctl::StretchHorizontal:
        case Ctl::CompressHorizontal:
        case Ctl::StretchVertical:
        case Ctl::CompressVertical:
        case Ctl::Line:
        case Ctl::Fill:
        case Ctl::Polyline:
        case Ctl::Circle:
            ToolButtonClick(ed, ToolOfButton(button));
            break;
        default:
            break;
    }
}

}  // namespace pixmora
