// The open font: its parameters, its byte image and the dot grid of the character being edited.
//
// FontImage holds the 224 characters (codes 32..255) back to back, each BytesPerChar bytes in the
// font's byte scan, always as the positive picture (a set bit is a lit dot). DotGrid is a fixed
// 48 x 56 grid; a W x H cell always occupies columns 0..W-1 of rows 0..H-1:
//
//        col 0  1  2 ... 47
//   row 0     0  1  2 ... 47       DotIndex = row * 48 + column
//   row 1    48 49 50 ... 95
//   ...
//   row 55 2640          ... 2687  (entry 2688 is spare and never shown)
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/colours.h"
#include "model/formats.h"

namespace pixmora {

inline constexpr int kCharCount = 224;  // codes 32..255
inline constexpr int kFirstCode = 32;
inline constexpr int kFirstCyrillicCode = 192;                    // "А" in Windows-1251
inline constexpr int kMaxBytesPerChar = 336;                      // 48 x 56
inline constexpr int kFontBytes = kCharCount * kMaxBytesPerChar;  // 75264 data bytes at most
inline constexpr int kImageSize = kFontBytes + 1;                 // plus one spare byte
inline constexpr int kGridColumns = 48;
inline constexpr int kGridRows = 56;
inline constexpr int kGridDots = kGridColumns * kGridRows;  // 2688
inline constexpr int kGridSize = kGridDots + 1;             // plus one spare entry
inline constexpr std::int16_t kLit = -1;                    // flags and dots: -1 true, 0 false
inline constexpr std::int16_t kDark = 0;

// Characters 95..159 (codes 127..191) show no letter in the character table.
constexpr bool IsLetterlessChar(int index) {
    return index >= 95 && index <= 159;
}

constexpr int DotIndex(int row, int column) {
    return row * kGridColumns + column;
}
constexpr int DotRow(int dot) {
    return dot / kGridColumns;
}
constexpr int DotColumn(int dot) {
    return dot % kGridColumns;
}

struct FontParams {
    std::string CellFormatName;  // list text of the format last picked in a dialog
    int CellWidth = 0;
    int CellHeight = 0;
    int BytesPerChar = 0;
    int FontByteScan = kNoScan;
    std::int16_t PositiveFont = kLit;  // -1 normal, 0 negative
};

struct FontModel {
    std::array<std::uint8_t, kImageSize> FontImage{};
    std::array<std::int16_t, kGridSize> DotGrid{};
    std::array<Colour, kGridSize> DotBackColor{};  // what a dot shows while dark
    std::array<Colour, kGridSize> DotColour{};     // what a dot shows now
    std::array<bool, kGridDots> DotVisible{};
    std::array<std::int16_t, kCharCount> CharDefined{};

    int CurrentChar = 0;
    int PreviousChar = 0;
    int CurrentCharOffset = 0;
    int SourceCharOffset = 0;
    int CharTableFontSize = 10;
    std::int16_t ImageEmpty = kLit;
    std::int16_t CellFormatChosen = kDark;
};

// Shows the dots of rows 0..height-1, columns 0..width-1 and hides all others.
void ShowCellArea(FontModel& font, int width, int height);

// Character `index` becomes the current one: its number and the offset of its bytes together.
inline void MakeCharCurrent(FontModel& font, int index, int bytesPerChar) {
    font.CurrentChar = index;
    font.CurrentCharOffset = index * bytesPerChar;
}

}  // namespace pixmora
