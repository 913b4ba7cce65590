// The font finder: searches a firmware image for character tables at every byte offset, in every
// cell format, offered byte scan and polarity, with the recognition engine of the import.
//
// A table is anchored on ten glyphs in a row: the digits '0'..'9' (codes 48..57) or the capitals
// 'A'..'J' (codes 65..74). Where code 32 would then lie follows from the anchor, so a table that
// starts at code 0, at 32, at 48 or holds only digits is scored alike: characters outside the
// image count as blank. Before the engine runs, cheap tests throw away what cannot be ten glyphs
// of one font: all ten must share a blank line (a row or column, as a font's glyphs share their
// spacing margin), the lit dots of the test characters must be able to reach the threshold in
// some group, and each glyph must have some lit dots, not too many, and differ from its
// neighbour. Only what passes is unpacked. A reading is taken, and a scan and polarity chosen, as
// the import takes a file: by its best group. Readings are ranked by the four groups summed,
// lowered where the cells' edges cut through strokes (a table read a byte or two off its start)
// and raised slightly with the number of characters.
//
// Not found: tables with a stride other than a format's byte count (a 5-byte-column font stored in
// 6 bytes is found as 6 x 8 only if the sixth byte is in the image), proportional fonts, tables
// compressed or with their rows interleaved, and tables that hold neither all ten digits nor the
// capitals A..J.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "import/recognition.h"
#include "io/firmware_image.h"

namespace pixmora {

// Ten glyphs in a row that a table must hold.
inline constexpr int kAnchorGlyphs = 10;

struct FoundFont {
    std::size_t segment = 0;          // which segment of the image
    std::int64_t code32Position = 0;  // where code 32 is or would be, inside the segment's bytes
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
    int firstCode = 32;    // first character of the table
    int lastCode = 255;    // last character that looks like one of the table
    int glyphCount = 0;    // characters from firstCode to lastCode
    float score = 0;       // the products of the signs, digits, Latin and Cyrillic groups, summed
    int marginInk = 0;     // lit dots in the anchor glyphs' last column or row
    TrialScores scores;    // of the winning scan and polarity
    float edgeMisfit = 0;  // how badly the cells' edges fit the glyphs, 0 (fit) .. 0.6

    int BytesPerChar() const {
        return kCellFormats[static_cast<std::size_t>(formatIndex)].bytesPerChar;
    }
    // Position of the table's first byte in its segment.
    std::int64_t TablePosition() const {
        return code32Position + static_cast<std::int64_t>(firstCode - kFirstCode) * BytesPerChar();
    }
};

struct FinderSettings {
    int minGlyphs = kAnchorGlyphs;  // tables with fewer characters are not told
};

// The share of the work done so far (0..1); returning false stops the search.
using FinderProgress = std::function<bool(double)>;

using ModelBytes = std::array<std::span<const std::uint8_t>, kFormatCount>;

// The candidates, best score first; empty when the search was stopped.
std::vector<FoundFont> FindFonts(const FirmwareImage& image, const ModelBytes& models,
                                 const FinderSettings& settings = {},
                                 const FinderProgress& progress = {});

// The table as a font of codes 32..255 as far as it reaches: characters before its first code
// blank, the bytes as stored (a negative table stays negative).
std::vector<std::uint8_t> ExtractFont(const FirmwareImage& image, const FoundFont& found);

}  // namespace pixmora
