// Integer values in the notations firmware sources write them in.
//
//   C and C++:  0x1F 0X1F  0b00011111 0B00011111  037 (a leading 0 is octal)  31
//               with u, U, l, L suffixes and ' digit separators; B00011111 (the binary
//               constants of Arduino's binary.h, B and 1..8 binary digits)
//   assembler:  0x1F 0X1F  $1F  &h1F &H1F  #1F (hexadecimal, as the editor writes it; # before
//               another notation is an immediate sign and dropped)  1Fh 01FH  00011111b
//               %00011111  0b00011111  h'1F' b'00011111' d'31' (PIC)  .31 (PIC decimal)  31
//
// A value too large for 64 bits reads as kValueTooLarge, so that it is refused as out of range
// rather than taken as another number.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace pixmora {

inline constexpr std::uint64_t kValueTooLarge = std::numeric_limits<std::uint64_t>::max();

// The value of a C number token or of a B01010101 identifier; nothing for anything else.
std::optional<std::uint64_t> CNumberValue(std::string_view token);

// The value of one assembler operand (already trimmed); nothing when it is no number.
std::optional<std::uint64_t> AsmNumberValue(std::string_view operand);

}  // namespace pixmora
