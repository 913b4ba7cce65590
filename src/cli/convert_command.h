// pixmora-cli convert: loads a font file and writes it again exactly as export writes it, in
// another output format, number notation, range, start address or polarity.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "cli/load_font.h"

namespace pixmora::cli {

struct ConvertOptions {
    LoadOptions load;
    std::string output;
    std::optional<int> rescan;           // the byte scan to repack into
    std::optional<std::string> enlarge;  // a larger cell format, "W x H"
    std::optional<std::string> kind;     // data, db, code, hex, c, bdf, gfx, bin; default by name
    std::string notation = "&hNN";
    std::optional<std::string> range;    // "FIRST-LAST", codes
    std::optional<std::string> address;  // HEX start address
    bool outNegative = false;
    bool outPositive = false;
    std::string name;                     // C header and GFX array name; empty for the default
    bool art = false;                     // C header: the dots drawn in comments
    std::string flash = "none";           // C header: none, progmem, rodata
    std::optional<std::string> baseline;  // BDF and GFX: the row capitals sit on
    std::string bdfEncoding = "unicode";  // BDF: unicode, cp1251
    bool gfxStructs = false;              // GFX: declare the structs instead of including them
};

// The --flash and --bdf-encoding words, in the order of their settings.
inline constexpr const char* kFlashWords[] = {"none", "progmem", "rodata"};
inline constexpr const char* kBdfEncodingWords[] = {"unicode", "cp1251"};

inline constexpr const char* kEnlargementRefused = "This font cannot be enlarged to ";
inline constexpr const char* kEnlargementsOffered = "Formats offered for this font: ";
inline constexpr const char* kAddressOnlyForHex = "--address applies to HEX output only";

// The --kind words, in the order of the export's output formats.
inline constexpr const char* kKindWords[] = {"data", "db", "code", "hex", "c", "bdf", "gfx", "bin"};

// The export's output format for a --kind word: "data" is "Data code", "db" ".Db code", "code"
// "Code", "hex" "Intel HEX", "c" the C header, "bdf" BDF, "gfx" Adafruit GFX, "bin" the bytes
// alone. Without a word: HEX for a name ending in "hex" in any case, else
// "Data code".
std::string OutputFormatOfKind(const std::optional<std::string>& kind, const std::string& output);

// The two codes of "FIRST-LAST"; the dash that splits them is the first after the first
// character, so a signed first code stays whole for the range check to refuse.
std::optional<std::pair<std::string, std::string>> SplitRange(const std::string& range);

// The scan change, then the enlargement, of the loaded font; an exit code.
int TransformFont(Editor& ed, const ConvertOptions& options, CliHost& host);

// The output options refused before any input is read (--address without HEX, a range that is no
// "FIRST-LAST"); an exit code.
int CheckOutputOptions(const ConvertOptions& options, CliHost& host);

// Writes the open font to options.output exactly as export writes it, with the kind, notation,
// range, address and polarity of the options; an exit code.
int WriteOutput(const Editor& ed, const ConvertOptions& options, CliHost& host);

int RunConvert(const ConvertOptions& options, CliHost& host);

}  // namespace pixmora::cli
