// The C header export: a self-contained .h that compiles as C99 and C++, describing itself in
// macros so that import can read it back without recognition.
//
//   #ifndef FONT8X8_H
//   #define FONT8X8_H
//
//   #include <stdint.h>
//   #define FONT8X8_WIDTH 8
//   #define FONT8X8_HEIGHT 8
//   #define FONT8X8_BYTES_PER_CHAR 8
//   #define FONT8X8_FIRST_CODE 32
//   #define FONT8X8_COUNT 224
//   #define FONT8X8_SCAN "h1"
//   #define FONT8X8_NEGATIVE 0
//
//   static const uint8_t font8x8[1792] = {
//       /* 0x20 ' ' */
//       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
//       ...
//   };
//
//   #endif
//
// Every value is followed by a comma, so lines can be moved or cut without breaking the list.
// With art, each character's dots follow its comment as lines of "#" (lit) and "." (dark).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "io/firmware_font.h"

namespace pixmora {

struct CHeaderOptions {
    std::string name;  // the array; the macros are its upper-case form
    bool art = false;
    FlashPlacement placement = FlashPlacement::None;
};

std::string CHeaderText(const FirmwareFont& font, const CHeaderOptions& options);

// One "/* #..# */" line a row of the character's dots, as drawn; shared by the GFX header.
void AppendArtLines(std::string& text, const FirmwareFont& font, int index);

// The lines that make PROGMEM mean something on AVR and nothing elsewhere.
void AppendProgmemFallback(std::string& text);

// "    0x00, 0x3C," lines of up to 16 values; every value keeps its comma.
void AppendByteLines(std::string& text, std::span<const std::uint8_t> bytes);

}  // namespace pixmora
