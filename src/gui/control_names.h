// The Qt object name of every control whose visibility the core decides: the names the
// original form gave them, so that each control can still be found by them.
#pragma once

#include <array>
#include <cstddef>

#include "editor/window_state.h"

namespace pixmora {

struct ControlObjectName {
    Ctl control;
    const char* objectName;
};

inline constexpr std::array<ControlObjectName, kCtlCount> kControlNames{{
    {Ctl::New, "Command1"},
    {Ctl::Import, "Command2"},
    {Ctl::FromFont, "FromFontButton"},  // a control of this program alone
    {Ctl::FindFont, "FindFontButton"},  // a control of this program alone
    {Ctl::ClearChar, "Command3"},
    {Ctl::DeleteFont, "Command4"},
    {Ctl::Save, "Command5"},
    {Ctl::ShiftUp, "Command6"},
    {Ctl::ShiftDown, "Command7"},
    {Ctl::ShiftLeft, "Command8"},
    {Ctl::ShiftRight, "Command9"},
    {Ctl::ChangeScan, "Command10"},
    {Ctl::Undo, "Command11"},
    {Ctl::Mirror, "Command12"},
    {Ctl::Enlarge, "Command13"},
    {Ctl::StretchHorizontal, "Command14"},
    {Ctl::CompressHorizontal, "Command15"},
    {Ctl::StretchVertical, "Command16"},
    {Ctl::CompressVertical, "Command17"},
    {Ctl::Line, "Command18"},
    {Ctl::Fill, "Command19"},
    {Ctl::Polyline, "Command20"},
    {Ctl::Redo, "Command21"},
    {Ctl::CreateModel, "Command22"},
    {Ctl::Circle, "Command23"},
    {Ctl::FontCaption, "Label19"},
    {Ctl::Coordinates, "Label30"},
    {Ctl::Radius, "Label31"},
    {Ctl::OutputTitle, "Label22"},
    {Ctl::NotationLabel, "Label23"},
    {Ctl::KindLabel, "Label24"},
    {Ctl::AddressLabel, "Label26"},
    {Ctl::RangeLabel, "Label1"},
    {Ctl::FromLabel, "Label20"},
    {Ctl::ToLabel, "Label21"},
    {Ctl::FirstCode, "Text2"},
    {Ctl::LastCode, "Text3"},
    {Ctl::StartAddress, "Text4"},
    {Ctl::OutputKind, "Combo1"},
    {Ctl::Notation, "Combo2"},
    {Ctl::Negative, "Check1"},
    {Ctl::IncompleteSet, "Check2"},
    {Ctl::OutputFrame, "OutputFrame"},
    // The options of the firmware kinds, controls of this program alone.
    {Ctl::ArrayNameLabel, "ArrayNameLabel"},
    {Ctl::ArrayName, "ArrayName"},
    {Ctl::Art, "ArtCheck"},
    {Ctl::PlacementLabel, "PlacementLabel"},
    {Ctl::Placement, "PlacementCombo"},
    {Ctl::BaselineLabel, "BaselineLabel"},
    {Ctl::BaselineRow, "BaselineRow"},
    {Ctl::CodePageCodes, "CodePageCheck"},
    {Ctl::GfxStructs, "GfxStructsCheck"},
}};

// The table is in the order of Ctl, so a control's name is found by its index.
constexpr bool ControlNamesInOrder() {
    for (std::size_t i = 0; i < kControlNames.size(); ++i) {
        if (static_cast<std::size_t>(kControlNames[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(ControlNamesInOrder());

constexpr const char* ObjectNameOf(Ctl control) {
    return kControlNames[static_cast<std::size_t>(control)].objectName;
}

}  // namespace pixmora
