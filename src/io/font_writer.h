// Writers of font files. They format bytes only: the caller picks the bytes (a range of the
// image, inverted for a negative font) and commits the text to a file (file_commit.h).
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

#include "io/byte_notation.h"

namespace pixmora {

inline constexpr std::string_view kLineEnd = "\r\n";

// Source text: lines of `valuesPerLine` values separated by bare commas, each line begun by the
// prefix of `format` and ended by CR LF; no header, nothing after the last line. Two 6-byte
// characters as ".Db code" in "NNh":
//   .db 00h,00h,00h,00h,00h,00h
//   .db 00h,00h,5Fh,00h,00h,00h
void WriteSourceText(std::ostream& out, std::span<const std::uint8_t> bytes, OutputFormat format,
                     NumberNotation notation, int valuesPerLine);

// Intel HEX: data records of up to 16 bytes with addresses from `startAddress` on, then the end
// record ":00000001FF". Record layout, checksum = two's complement of the sum of the other bytes:
//   : 0C  0000  00  000000000000000000005F000000  95
//     len addr  type data                          checksum
// When the running address reaches a 64 KiB boundary, an extended linear address record (type 04)
// gives the new upper 16 bits, and no data record crosses the boundary.
void WriteIntelHex(std::ostream& out, std::span<const std::uint8_t> bytes,
                   std::uint32_t startAddress);

}  // namespace pixmora
