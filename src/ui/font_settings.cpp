#include "ui/font_settings.h"

#include "model/editor.h"

namespace pixmora {

void SetNegativeFont(Editor& ed, bool checked) {
    ed.win.Check1 = checked;
    ed.params.PositiveFont = checked ? kDark : kLit;
}

void SetIncompleteSet(Editor& ed, bool checked) {
    ed.win.Check2 = checked;
    for (const Ctl control : {Ctl::Label1, Ctl::Label20, Ctl::Text2, Ctl::Label21, Ctl::Text3}) {
        SetVisible(ed.win, control, checked);
    }
}

void ChooseOutputFormat(Editor& ed, const std::string& format) {
    ed.win.Combo1 = format;
    const bool hex = format == "Intel HEX";
    SetVisible(ed.win, Ctl::Label26, hex);
    SetVisible(ed.win, Ctl::Text4, hex);
    SetVisible(ed.win, Ctl::Combo2, !hex);
    SetVisible(ed.win, Ctl::Label23, !hex);
}

}  // namespace pixmora
