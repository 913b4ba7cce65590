// Where the glyphs of a font table from a source file begin, and which character comes first.
//
// Headers recognised before the glyphs (W x H one of the cell formats, B its bytes per
// character, the array L bytes long):
//
//   4 bytes   W, H, first code, count            L = 4 + count * B
//             e.g. 0x10,0x10,0x20,0x5F: 16 x 16, 95 characters from code 32
//   6 bytes   0, 0, W, H, first code, count      L = 6 + count * B (a fixed-width font whose
//             first two bytes, the size of a proportional one, are 0 or the array's length
//             written most significant byte first)
//   4 bytes   0, W, H, first code                L = 4 + n * B, n characters (a type byte 0 for a
//             fixed-width font, then the cell and the first code)
//
// Every first code plus count must stay within 0..256. A header is skipped, never loaded as glyphs.
//
// Codes a table may start at, for a format of B bytes per character and n = glyph bytes / B:
//   - the header's first code, when a header names this format (and nothing else);
//   - otherwise 32 first, as a plain list is read;
//   - 0 as well when the table holds 256 or 128 whole characters (a full or an ASCII set);
//   - for a short table of at most 64 whole characters, each start 33..48 at which it still holds
//     the digits 0..3 that recognition compares (a digits table from '-', '.' or '0').
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixmora {

struct TableHeader {
    int bytes = 0;  // skipped before the glyphs
    int formatIndex = 0;
    int firstCode = 32;
    int count = 0;  // characters after the header
};

std::optional<TableHeader> FindTableHeader(std::span<const std::uint8_t> array);

// The start codes to try for one format, in the order above.
std::vector<int> StartCodes(std::size_t glyphBytes, int formatIndex,
                            const std::optional<TableHeader>& header);

// The glyphs laid out as the font image holds them, from code 32: characters before 32 are
// dropped, a later first code is preceded by empty characters (bytes `blank`: 0, or 255 in a
// negative font), and characters past code 255 are cut off.
struct PlacedGlyphs {
    std::vector<std::uint8_t> bytes;
    int droppedBefore = 0;  // characters with codes below 32
    int droppedAfter = 0;   // characters with codes above 255
};

PlacedGlyphs PlaceGlyphs(std::span<const std::uint8_t> glyphs, int bytesPerChar, int firstCode,
                         std::uint8_t blank);

}  // namespace pixmora
