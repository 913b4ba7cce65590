// The short glyph history of the current character: the state it was shown in and up to five
// states recorded after changes.
//
// Positions 5 (initial) .. 0 (newest) each name a slot holding one glyph state; UndoPosition is
// the state shown. Positions below UndoPosition that hold a state are redo states.
#pragma once

#include <array>
#include <cstdint>

namespace pixmora {

struct Editor;

inline constexpr int kUndoPositions = 6;
inline constexpr int kInitialPosition = 5;
inline constexpr std::uint8_t kNoSlot = 255;

struct UndoHistory {
    std::array<std::array<std::uint8_t, 337>, 7> UndoSlots{};
    std::array<std::uint8_t, kUndoPositions> UndoSlotMap{kNoSlot, kNoSlot, kNoSlot,
                                                         kNoSlot, kNoSlot, kNoSlot};
    int UndoPosition = kInitialPosition;
};

// Starts a fresh history whose only state is the current character as it is now.
void ResetUndoHistory(Editor& ed);
// Stores the current character as the newest state.
void RecordUndoStep(Editor& ed);
// "откат": shows the previous state.
void UndoStep(Editor& ed);
// "вернуть": shows the next newer state.
void RedoStep(Editor& ed);

}  // namespace pixmora
