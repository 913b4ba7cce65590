// Test images for the font finder: firmware-like noise with font tables laid in at known places.
//
// The noise is compiled machine code, the code and constants of the object files of Debian's
// avr-libc, cut into pieces taken at random places and
// laid between runs of 0x00 and 0xFF fill, as a device's flash holds a program and its erased
// pages. The fonts are Debian fonts drawn into a cell format by the program's own font renderer,
// packed in a byte scan, in either polarity, and cut to a range of codes. Everything follows from
// the seed of the random generator passed in, so an image is made again exactly.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "io/firmware_image.h"

namespace pixmora::finder_images {

using Bytes = std::vector<std::uint8_t>;

inline constexpr const char* kAvrLibDir = "/usr/lib/avr/lib/avr5";
// The C and maths libraries and one device's start-up code and library: the directory holds these
// two for every device, alike but for their interrupt vector tables, which a program holds once.
inline constexpr std::array<const char*, 6> kAvrObjectFiles{
    "libc.a", "libm.a", "libprintf_flt.a", "libscanf_flt.a", "libatmega328p.a", "crtatmega328p.o"};

// The loaded sections of those object files (an archive's members one by one), one after the
// other; empty when there are none (avr-libc not installed).
Bytes MachineCode(const std::string& libDir = kAvrLibDir);

// size bytes of pieces of the code between runs of 0x00 and 0xFF fill (about a tenth of them).
Bytes Noise(std::span<const std::uint8_t> code, std::mt19937& random, std::size_t size);

// The codes a table holds.
struct TableShape {
    int firstCode;
    int lastCode;
};
// Whole tables from code 0, 32 and 48, and tables of the digits with or without signs.
inline constexpr std::array<TableShape, 6> kTableShapes{
    {{0, 255}, {32, 255}, {48, 127}, {32, 127}, {32, 63}, {45, 57}}};

// Debian fonts of the packages scripts/install-deps.sh installs, outline and bitmap.
std::vector<std::string> DrawingFonts();

// A font of codes 32..255 drawn into a cell format, packed positive in every byte scan the format
// offers (the other scans stay empty); every scan empty when the file is missing or draws nothing.
struct DrawnFont {
    std::string path;
    int formatIndex = 0;
    std::array<Bytes, 4> byScan;
};
DrawnFont DrawFont(const std::string& path, int formatIndex);

// The bytes of codes shape.firstCode..lastCode of a font of codes 32..255, inverted when negative;
// codes below 32 take the glyphs of the lower-case letters, as a table from code 0 holds glyphs
// there too.
Bytes TableBytes(std::span<const std::uint8_t> font, int bytesPerChar, TableShape shape,
                 bool negative);

// A table laid into an image, and where it lies.
struct Embedded {
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
    TableShape shape{32, 255};
    std::size_t segment = 0;
    std::int64_t position = 0;  // the table's first byte in its segment
    std::string font;           // the drawing's file, for the report
};

struct Table {
    Bytes bytes;
    Embedded what;
};

struct TestImage {
    FirmwareImage image;
    std::vector<Embedded> fonts;
};

// The tables laid into noise of the code, in the order given, each after a random stretch of
// noise of gapMin..gapMax bytes, with noise after the last one.
TestImage EmbedTables(std::span<const std::uint8_t> code, std::vector<Table> tables,
                      std::mt19937& random, std::size_t gapMin, std::size_t gapMax);

// The image written as Intel HEX loaded at base, with holes of absent addresses cut out of the
// noise between the tables, and read back: the tables' places follow the segments.
TestImage AsIntelHexWithGaps(const TestImage& binary, std::uint64_t base, std::mt19937& random);

// The Intel HEX text of the segments: 16 data bytes a record, type 04 records where the upper
// address changes, an end record.
std::string IntelHexText(const FirmwareImage& image);

}  // namespace pixmora::finder_images
