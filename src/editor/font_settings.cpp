#include "editor/font_settings.h"

#include "editor/editor.h"

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

void ShowOutputArea(Editor& ed) {
    for (const Ctl control :
         {Ctl::Check1, Ctl::Check2, Ctl::Combo1, Ctl::Label22, Ctl::Label24, Ctl::OutputFrame}) {
        SetVisible(ed.win, control, true);
    }
    ChooseOutputFormat(ed, ed.win.Combo1);
}

void ShowEditingCommands(Editor& ed) {
    for (auto control = static_cast<std::size_t>(Ctl::Command3);
         control <= static_cast<std::size_t>(Ctl::Command23); ++control) {
        const auto ctl = static_cast<Ctl>(control);
        if (ctl != Ctl::Command11 && ctl != Ctl::Command21) {
            SetVisible(ed.win, ctl, true);
        }
    }
}

}  // namespace pixmora
