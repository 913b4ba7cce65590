#include "editor/params_choice.h"

#include "editor/editor.h"
#include "editor/font_settings.h"
#include "editor/host.h"

namespace pixmora {

void ApplyParamsChoice(Editor& ed, Host& host, const ParamsChoice& choice) {
    const BusyPointer busy(host);
    const CellFormat& format = kCellFormats.at(static_cast<std::size_t>(choice.formatIndex));
    ed.params.CellFormatName = std::string(format.name);
    SetNegativeFont(ed, choice.negative);
    ed.params.CellWidth = format.width;
    ed.params.CellHeight = format.height;
    ed.params.BytesPerChar = format.bytesPerChar;
    for (const Ctl control : {Ctl::ClearChar, Ctl::DeleteFont, Ctl::Save}) {
        SetVisible(ed.win, control, true);
    }
    ShowOutputArea(ed);
    ed.font.PreviousChar = 0;
    MakeCharCurrent(ed.font, 0, ed.params.BytesPerChar);
    ed.params.FontByteScan = choice.scan;
}

}  // namespace pixmora
