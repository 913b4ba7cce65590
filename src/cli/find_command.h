// pixmora-cli find: searches a firmware image (raw binary, Intel HEX or ELF) for font tables and
// lists them best first, or writes one of them as convert writes a font.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/convert_command.h"
#include "import/font_finder.h"

namespace pixmora::cli {

class CliHost;

struct FindOptions {
    std::string image;
    bool json = false;
    int minChars = kAnchorGlyphs;
    std::optional<std::string> modelDir;
    std::optional<int> extract;  // the candidate's number in the list, from 1
    ConvertOptions out;          // OUTPUT of --extract and the options of the written file
};

inline constexpr const char* kNoCandidate = "No candidate with this number: ";
inline constexpr const char* kExtractNeedsOutput = "--extract needs OUTPUT";
inline constexpr const char* kNothingFound = "No font table found";

// One candidate: its number, where it lies (segment, offset in the file, load address), its
// format, scan, polarity, first and last code, glyphs and score.
nlohmann::ordered_json FoundJson(const FirmwareImage& image, const FoundFont& found, int number);

// 0 when a table was found (and, with --extract, written), 1 when none was or the number names
// none, 2 for an image that cannot be read or an output that cannot be written.
int RunFind(const FindOptions& options, CliHost& host, std::ostream& out);

}  // namespace pixmora::cli
