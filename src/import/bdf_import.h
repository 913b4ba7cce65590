// The import of a BDF font file (fontfile/bdf_font.h): its characters are drawn into the cells,
// not recognised. The format is the file's own, or the smallest that holds the glyphs, or given by
// hand; the report tells which, and how many characters the font has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/recognition.h"
#include "model/formats.h"

namespace pixmora {

inline constexpr const char* kBdfHeading = "Шрифт BDF:";

// A ".bdf" file, in any case.
bool IsBdfPath(std::string_view path);

struct BdfRequest {
    // Given by hand: the format, scan and polarity are taken as given, whatever the file names.
    std::optional<int> formatIndex;
    int scan = kScanVertical1;  // without a format given: for a file that names no scan
    bool negative = false;
};

struct BdfImport {
    std::optional<std::string> failure;  // why the file is refused, worded for the user
    Candidate candidate;                 // the parameters the font loads with
    bool own = false;                    // they are the ones the file names
    // Codes 32..255 packed for the candidate as a file of its polarity holds them.
    std::vector<std::uint8_t> bytes;
    std::string report;  // what was read, lines ended by a carriage return
};

BdfImport ReadBdfImport(const std::string& path, const BdfRequest& request);
BdfImport ReadBdfBytes(std::vector<std::uint8_t> bytes, const BdfRequest& request);

}  // namespace pixmora
