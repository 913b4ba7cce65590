#include "editor/font_settings.h"

#include "editor/editor.h"

namespace pixmora {

void SetNegativeFont(Editor& ed, bool checked) {
    ed.win.negative = checked;
    ed.params.PositiveFont = checked ? kDark : kLit;
}

void SetIncompleteSet(Editor& ed, bool checked) {
    ed.win.incompleteSet = checked;
    for (const Ctl control :
         {Ctl::RangeLabel, Ctl::FromLabel, Ctl::FirstCode, Ctl::ToLabel, Ctl::LastCode}) {
        SetVisible(ed.win, control, checked);
    }
}

void ChooseOutputFormat(Editor& ed, const std::string& format) {
    ed.win.outputKind = format;
    const bool hex = format == "Intel HEX";
    SetVisible(ed.win, Ctl::AddressLabel, hex);
    SetVisible(ed.win, Ctl::StartAddress, hex);
    SetVisible(ed.win, Ctl::Notation, !hex);
    SetVisible(ed.win, Ctl::NotationLabel, !hex);
}

void ShowOutputArea(Editor& ed) {
    for (const Ctl control : {Ctl::Negative, Ctl::IncompleteSet, Ctl::OutputKind, Ctl::OutputTitle,
                              Ctl::KindLabel, Ctl::OutputFrame}) {
        SetVisible(ed.win, control, true);
    }
    ChooseOutputFormat(ed, ed.win.outputKind);
}

void ShowEditingCommands(Editor& ed) {
    for (auto control = static_cast<std::size_t>(Ctl::ClearChar);
         control <= static_cast<std::size_t>(Ctl::Circle); ++control) {
        const auto ctl = static_cast<Ctl>(control);
        if (ctl != Ctl::Undo && ctl != Ctl::Redo) {
            SetVisible(ed.win, ctl, true);
        }
    }
}

}  // namespace pixmora
