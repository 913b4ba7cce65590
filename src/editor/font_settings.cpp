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
    const auto is = [&](int kind) { return format == kOutputFormats[kind]; };
    const bool hex = is(3);
    const bool c = is(4);
    const bool bdf = is(5);
    const bool gfx = is(6);
    const bool source = is(0) || is(1) || is(2);
    SetVisible(ed.win, Ctl::AddressLabel, hex);
    SetVisible(ed.win, Ctl::StartAddress, hex);
    SetVisible(ed.win, Ctl::Notation, source);
    SetVisible(ed.win, Ctl::NotationLabel, source);
    SetVisible(ed.win, Ctl::ArrayNameLabel, c || gfx);
    SetVisible(ed.win, Ctl::ArrayName, c || gfx);
    SetVisible(ed.win, Ctl::Art, c);
    SetVisible(ed.win, Ctl::PlacementLabel, c);
    SetVisible(ed.win, Ctl::Placement, c);
    SetVisible(ed.win, Ctl::BaselineLabel, bdf || gfx);
    SetVisible(ed.win, Ctl::BaselineRow, bdf || gfx);
    SetVisible(ed.win, Ctl::CodePageCodes, bdf);
    SetVisible(ed.win, Ctl::GfxStructs, gfx);
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
