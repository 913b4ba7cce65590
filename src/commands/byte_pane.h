// The byte inspector: the current character's bytes in the export's notation, laid out as the
// scan packs them, which byte and bit the dot under the pointer is, and a byte typed in by hand.
//
//   "вертикально 1", 6 x 8: one line for the band of rows 0..7, a byte a column
//     &h00 &h7F &h08 &h08 &h7F &h00            dot (row 3, column 1): "байт 1, бит 3"
//   "горизонтально 1", 8 x 8: one line a dot row, a byte per 8 columns
//     &h00 / &h42 / &h42 / &h7E / ...           dot (row 3, column 1): "байт 3, бит 6"
//
// Every place comes from DotBitPlace, the one packing rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/glyph_packing.h"

namespace pixmora {

struct Editor;

inline constexpr std::string_view kByteWord = "байт ";
inline constexpr std::string_view kBitWord = ", бит ";
inline constexpr std::string_view kInFileWord = "; в файле: ";

struct ByteInspector {
    int pointerDot = -1;  // the grid dot under the pointer, -1 for none
    int chosenByte = -1;  // the byte last clicked in the pane, -1 for none
};

// How many bytes one line of the pane holds: a band of 8 rows (vertical scans), a dot row
// (horizontal scans).
int InspectorLineBytes(const Editor& ed);

// One byte as the export writes it: in the number notation for source text, as two hexadecimal
// digits for Intel HEX.
std::string InspectorByteText(const Editor& ed, std::uint8_t value);

// The byte and bit of a dot of the current cell; nothing for a dot outside it.
std::optional<BitPlace> PlaceOfDot(const Editor& ed, int dot);

// The dots of the cell that byte `byte` of a character holds, bit 0 first.
std::vector<int> DotsOfByte(const Editor& ed, int byte);

// Where byte `byte` of the current character lies in what "Сохранить" writes now: its position
// among the bytes written, or for Intel HEX its record address. Nothing when the range leaves the
// character out or the settings would be refused.
std::optional<std::uint32_t> ExportPlaceOfByte(const Editor& ed, int byte);

// "байт 17, бит 3; в файле: 0x02F1" for a dot of the cell, without the file part when the
// character is not written; empty for a dot outside the cell.
std::string DotPlaceText(const Editor& ed, int dot);

// What the grid marks: the dots of the byte under the pointer (or, with the pointer elsewhere,
// of the byte chosen in the pane) and the pointer's own dot.
struct InspectorMarks {
    int byte = -1;
    std::vector<int> byteDots;
    int bitDot = -1;
};
InspectorMarks MarksOf(const Editor& ed, const ByteInspector& inspector);

// A byte of the current character typed in the pane: any notation a firmware source uses (0x1F,
// $1F, &h1F, #1F, 1Fh, 31). The grid shows the new dots and the change is one undo step. False,
// changing nothing, when the text is no value 0..255.
bool EnterCharByte(Editor& ed, int byte, std::string_view text);

}  // namespace pixmora
