// What the writers of firmware files (C header, BDF, Adafruit GFX) are given: the cell, the range
// of characters and its bytes as export writes them, and the names such files share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "io/font_writer.h"
#include "model/glyph_packing.h"

namespace pixmora {

struct FirmwareFont {
    int width = 0;
    int height = 0;
    int scan = 0;
    int bytesPerChar = 0;
    int firstCode = 32;                   // the code of the first character of `bytes`
    std::span<const std::uint8_t> bytes;  // whole characters, complemented when negative
    bool negative = false;
};

// The parts one after another, added to `text`. The writers build their lines so rather than by
// chains of + that begin with a literal, on which GCC 12 at -O3 warns falsely (-Wrestrict).
void AppendParts(std::string& text, std::initializer_list<std::string_view> parts);
std::string Concat(std::initializer_list<std::string_view> parts);
// The parts and a line end: CR LF, as the other exports end their lines, unless told otherwise.
void AppendLine(std::string& text, std::initializer_list<std::string_view> parts,
                std::string_view end = kLineEnd);

inline int CharCountOf(const FirmwareFont& font) {
    return static_cast<int>(font.bytes.size()) / font.bytesPerChar;
}

// The dots of character `index` (0 = firstCode) as drawn, whatever the polarity of the bytes.
DotMatrix DrawnDots(const FirmwareFont& font, int index);

// "v1", "v2", "h1", "h2": the scan as export file names and the firmware files name it.
std::string ScanShortName(int scan);

// The array name a cell format gives by default: "font16x24".
std::string DefaultArrayName(int width, int height);
// A C identifier: a Latin letter or "_", then letters, digits and "_".
bool IsCIdentifier(std::string_view name);
// The name in upper case, as the macros of a header begin: "FONT16X24".
std::string MacroPrefix(std::string_view name);

// The row that capitals sit on: the commonest lowest lit row of A..Z and А..Я in a positive
// image of all 224 characters; without any drawn capital the row above the bottom margin.
int FoundBaselineRow(std::span<const std::uint8_t> image, int width, int height, int scan,
                     int bytesPerChar);

// Where the firmware files put the array in memory.
enum class FlashPlacement { None, Progmem, Rodata };
// The attribute text after the array's brackets: "", "PROGMEM",
// "__attribute__((section(\".rodata\")))".
std::string_view PlacementAttribute(FlashPlacement placement);

// The character's comment text: its code and, when it has a visible one, the character in
// UTF-8 — "0xC0 'А'".
std::string CharComment(int code);

}  // namespace pixmora
