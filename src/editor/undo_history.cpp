#include "editor/undo_history.h"

#include <algorithm>

#include "editor/editor.h"
#include "model/glyph_packing.h"

namespace pixmora {

namespace {

void StoreCurrentChar(Editor& ed, std::uint8_t slot) {
    const auto* glyph = ed.font.FontImage.data() + ed.font.CurrentCharOffset;
    std::copy_n(glyph, ed.params.BytesPerChar, ed.undo.UndoSlots[slot].begin());
}

void LoadCurrentChar(Editor& ed, std::uint8_t slot) {
    auto* glyph = ed.font.FontImage.data() + ed.font.CurrentCharOffset;
    std::copy_n(ed.undo.UndoSlots[slot].begin(), ed.params.BytesPerChar, glyph);
}

bool Holds(const UndoHistory& undo, int position) {
    return position >= 0 && undo.UndoSlotMap[position] != kNoSlot;
}

// A slot no kept position refers to; slot `preferred` when it is free.
std::uint8_t FreeSlot(const UndoHistory& undo, int preferred) {
    const auto used = [&](int slot) {
        return std::find(undo.UndoSlotMap.begin(), undo.UndoSlotMap.end(), slot) !=
               undo.UndoSlotMap.end();
    };
    if (!used(preferred)) {
        return static_cast<std::uint8_t>(preferred);
    }
    int slot = 0;
    while (used(slot)) {
        ++slot;
    }
    return static_cast<std::uint8_t>(slot);
}

}  // namespace

void ResetUndoHistory(Editor& ed) {
    UndoHistory& undo = ed.undo;
    std::fill(undo.UndoSlotMap.begin(), undo.UndoSlotMap.end(), kNoSlot);
    undo.UndoPosition = kInitialPosition;
    undo.UndoSlotMap[kInitialPosition] = kInitialPosition;
    StoreCurrentChar(ed, kInitialPosition);
    SetVisible(ed.win, Ctl::Undo, false);
    SetVisible(ed.win, Ctl::Redo, false);
}

void RecordUndoStep(Editor& ed) {
    UndoHistory& undo = ed.undo;
    if (undo.UndoPosition > 0) {
        const int newer = undo.UndoPosition - 1;
        if (Holds(undo, newer)) {
            std::fill_n(undo.UndoSlotMap.begin(), newer + 1, kNoSlot);
            SetVisible(ed.win, Ctl::Redo, false);
        }
        undo.UndoSlotMap[newer] = FreeSlot(undo, newer);
        undo.UndoPosition = newer;
    } else {
        // Five recorded states are held: the oldest gives its slot to the new state.
        const std::uint8_t oldest = undo.UndoSlotMap[4];
        std::copy_backward(undo.UndoSlotMap.begin(), undo.UndoSlotMap.begin() + 4,
                           undo.UndoSlotMap.begin() + 5);
        undo.UndoSlotMap[0] = oldest;
    }
    StoreCurrentChar(ed, undo.UndoSlotMap[undo.UndoPosition]);
    SetVisible(ed.win, Ctl::Undo, true);
}

void UndoStep(Editor& ed) {
    UndoHistory& undo = ed.undo;
    if (undo.UndoPosition >= kInitialPosition) {
        return;
    }
    DeselectTool(ed);
    ++undo.UndoPosition;
    LoadCurrentChar(ed, undo.UndoSlotMap[undo.UndoPosition]);
    if (undo.UndoPosition == kInitialPosition) {
        SetVisible(ed.win, Ctl::Undo, false);
    }
    ShowCurrentChar(ed.font, ed.params);
    SetVisible(ed.win, Ctl::Redo, true);
}

void RedoStep(Editor& ed) {
    UndoHistory& undo = ed.undo;
    if (!Holds(undo, undo.UndoPosition - 1)) {
        return;
    }
    --undo.UndoPosition;
    LoadCurrentChar(ed, undo.UndoSlotMap[undo.UndoPosition]);
    SetVisible(ed.win, Ctl::Undo, true);
    ShowCurrentChar(ed.font, ed.params);
    KeepCentreColourAfterRepaint(ed);
    if (undo.UndoPosition == 0 || !Holds(undo, undo.UndoPosition - 1)) {
        SetVisible(ed.win, Ctl::Redo, false);
    }
}

}  // namespace pixmora
