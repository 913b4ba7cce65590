// The character table: one display-only cell per character, with the looks that tell the user
// which characters are drawn and which one is current.
#pragma once

#include <array>

#include "model/colours.h"
#include "model/font_model.h"

namespace pixmora {

inline constexpr int kBulletCode = 149;  // Windows-1251 "•", shown by defined letterless cells

struct CharCell {
    Colour textColour = kEmptyCellText;
    int fontSize = 10;
    bool bold = false;
    Colour background = kWhite;
    int textCode = 0;  // Windows-1251 code of the text shown, 0 for none
};

struct CharTable {
    std::array<CharCell, kCharCount> cells{};
    bool locked = true;  // clicks are ignored until a font exists
};

// The letter a cell shows at start-up: its own code, or nothing for codes 127..191.
constexpr int StartupTextCode(int index) {
    return IsLetterlessChar(index) ? 0 : index + kFirstCode;
}

}  // namespace pixmora
