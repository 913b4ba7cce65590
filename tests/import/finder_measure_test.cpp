// How well the font finder finds drawn fonts laid into compiled machine code: the share of tables
// found at their place with their parameters, the share listed first, and the candidates it
// names in noise alone. The ordinary run measures DejaVu Sans Mono in one table shape a drawing;
// built with PIXMORA_FINDER_FULL (the `models` test finder_measurement_share) every drawing font in
// every table shape.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "finder_images.h"
#include "import/font_finder.h"
#include "import/recognition.h"
#include "support/shipped_models.h"

namespace pixmora {
namespace {

using namespace finder_images;

#ifdef PIXMORA_FINDER_FULL
constexpr bool kFull = true;
#else
constexpr bool kFull = false;
#endif

struct Tally {
    int embedded = 0;
    int found = 0;    // a candidate with the table's place, format, scan, polarity and first code
    int rankOne = 0;  // and no candidate outside the embedded tables scored above it
    int falseCandidates = 0;  // candidates that overlap no embedded table
    double noiseMiB = 0;
    std::string missed;
};

bool ReadsAs(const FoundFont& candidate, const Embedded& table) {
    return candidate.segment == table.segment && candidate.TablePosition() == table.position &&
           candidate.formatIndex == table.formatIndex && candidate.scan == table.scan &&
           candidate.negative == table.negative && candidate.firstCode == table.shape.firstCode;
}

bool Overlaps(const FoundFont& candidate, const Embedded& table) {
    const int bpc = kCellFormats[static_cast<std::size_t>(table.formatIndex)].bytesPerChar;
    const std::int64_t end =
        table.position +
        static_cast<std::int64_t>(table.shape.lastCode - table.shape.firstCode + 1) * bpc;
    const std::int64_t candidateEnd =
        candidate.TablePosition() +
        static_cast<std::int64_t>(candidate.glyphCount) * candidate.BytesPerChar();
    return candidate.segment == table.segment && candidate.TablePosition() < end &&
           table.position < candidateEnd;
}

std::string Describe(const Embedded& table) {
    return std::string(kCellFormats[static_cast<std::size_t>(table.formatIndex)].name) + " scan " +
           std::to_string(table.scan) + (table.negative ? " negative" : " positive") + " codes " +
           std::to_string(table.shape.firstCode) + ".." + std::to_string(table.shape.lastCode) +
           " of " + table.font;
}

// What the finder made of a table it did not find: the candidate that overlaps it, if any.
std::string MissReading(const std::vector<FoundFont>& found, const Embedded& table) {
    for (const FoundFont& candidate : found) {
        if (Overlaps(candidate, table)) {
            return ": read as " +
                   std::string(kCellFormats[static_cast<std::size_t>(candidate.formatIndex)].name) +
                   " scan " + std::to_string(candidate.scan) +
                   (candidate.negative ? " negative" : " positive") + " codes " +
                   std::to_string(candidate.firstCode) + ".." + std::to_string(candidate.lastCode) +
                   " at " + std::to_string(candidate.TablePosition() - table.position);
        }
    }
    return ": not listed";
}

void Count(const TestImage& test, Tally& tally) {
    const std::vector<FoundFont> found = FindFonts(test.image, test::ShippedModels());
    // A candidate that lies over no table is what a one-font image would list besides its font.
    const auto beside = [&](const FoundFont& candidate) {
        return std::none_of(test.fonts.begin(), test.fonts.end(),
                            [&](const Embedded& table) { return Overlaps(candidate, table); });
    };
    for (const Embedded& table : test.fonts) {
        ++tally.embedded;
        int ahead = 0;  // candidates listed before the table that lie over no table
        bool seen = false;
        for (const FoundFont& candidate : found) {
            if (ReadsAs(candidate, table)) {
                seen = true;
                break;
            }
            ahead += beside(candidate) ? 1 : 0;
        }
        tally.found += seen ? 1 : 0;
        tally.rankOne += seen && ahead == 0 ? 1 : 0;
        if (!seen) {
            tally.missed += "  " + Describe(table) + MissReading(found, table) + "\n";
        }
    }
    tally.falseCandidates += static_cast<int>(std::count_if(found.begin(), found.end(), beside));
}

// Whether the import reads the table's characters right (format, scan and polarity) from a file of
// codes 32..255 in which the codes the table lacks are blank: what its engine cannot tell in a
// file of its own, the finder cannot tell inside an image either.
bool ImportReadsShape(const Bytes& packed, int formatIndex, int scan, TableShape shape,
                      bool negative) {
    const int bpc = kCellFormats[static_cast<std::size_t>(formatIndex)].bytesPerChar;
    Bytes file = packed;
    for (int code = kFirstCode; code <= 255; ++code) {
        if (code < shape.firstCode || code > shape.lastCode) {
            std::fill_n(file.begin() + (code - kFirstCode) * bpc, bpc, std::uint8_t{0});
        }
    }
    if (negative) {
        for (auto& byte : file) {
            byte = static_cast<std::uint8_t>(~byte);
        }
    }
    const Recognition read = RecogniseData(file, test::ShippedModels());
    return read.Recognised && read.candidate.formatIndex == formatIndex &&
           read.candidate.scan == scan && read.candidate.negative == negative;
}

// The drawings of the fonts in every offered scan and polarity, cut to the table shapes in turn;
// the tables the import does not read right are counted and left out.
std::vector<Table> FormatTables(int formatIndex, const std::vector<std::string>& fonts,
                                int& unrecognised) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    std::vector<Table> tables;
    std::size_t turn = static_cast<std::size_t>(formatIndex);
    for (const std::string& path : fonts) {
        const DrawnFont drawn = DrawFont(path, formatIndex);
        for (int scan = 0; scan < kScanCount; ++scan) {
            const Bytes& packed = drawn.byScan[static_cast<std::size_t>(scan)];
            if (packed.empty()) {
                continue;
            }
            for (const bool negative : {false, true}) {
                const TableShape shape = kTableShapes[turn++ % kTableShapes.size()];
                if (!ImportReadsShape(packed, formatIndex, scan, shape, negative)) {
                    ++unrecognised;
                    continue;
                }
                tables.push_back({TableBytes(packed, format.bytesPerChar, shape, negative),
                                  {formatIndex, scan, negative, shape, 0, 0, path}});
            }
        }
    }
    return tables;
}

TEST(FinderMeasurement, FindsDrawnFontsInMachineCodeAndLittleInNoise) {
    const Bytes code = MachineCode();
    if (code.empty()) {
        GTEST_SKIP() << kAvrLibDir << " holds no object code (avr-libc, scripts/install-deps.sh)";
    }
    std::vector<std::string> fonts = DrawingFonts();
    if (!kFull) {
        fonts.resize(1);
    }
    std::mt19937 random(2026);
    Tally tally;
    int unrecognised = 0;
    // Outside the full run the two smallest formats: the search near a table costs the most.
    const int formats = kFull ? kFormatCount : 2;
    for (int formatIndex = 0; formatIndex < formats; ++formatIndex) {
        std::vector<Table> tables = FormatTables(formatIndex, fonts, unrecognised);
        const TestImage binary =
            EmbedTables(code, std::move(tables), random, kFull ? 2048 : 512, kFull ? 16384 : 2048);
        // Every other format's image is read from Intel HEX with holes between the tables.
        Count(formatIndex % 2 == 0 ? binary : AsIntelHexWithGaps(binary, 0x08000000, random),
              tally);
    }
    const std::size_t noiseBytes = kFull ? 8 << 20 : 256 << 10;
    const FirmwareImage noise{ImageKind::Binary, {{0, 0, Noise(code, random, noiseBytes)}}};
    Tally noiseTally;
    Count({noise, {}}, noiseTally);
    const double noiseMiB = static_cast<double>(noiseBytes) / (1 << 20);
    const double foundShare = static_cast<double>(tally.found) / tally.embedded;
    const double rankOneShare = static_cast<double>(tally.rankOne) / tally.embedded;
    const double falsePerMiB = noiseTally.falseCandidates / noiseMiB;
    std::printf(
        "tables %d (tables the import does not read right left out: %d)\n"
        "found at place and parameters %d (%.1f %%), first %d (%.1f %%)\n"
        "candidates beside the tables %d; in %.2f MiB of noise %d (%.2f per MiB)\n%s",
        tally.embedded, unrecognised, tally.found, 100 * foundShare, tally.rankOne,
        100 * rankOneShare, tally.falseCandidates, noiseMiB, noiseTally.falseCandidates,
        falsePerMiB, tally.missed.c_str());
    RecordProperty("found", tally.found);
    RecordProperty("rank_one", tally.rankOne);
    RecordProperty("tables", tally.embedded);
    // A little under what the finder reaches: in the ordinary run 10 of 11 found and first and
    // none in noise; in the full run 199 of 888 found and none in 8 MiB of noise (its share listed
    // first has no floor yet: it was counted another way when measured).
    EXPECT_GE(foundShare, kFull ? 0.2 : 0.8);
    if (!kFull) {
        EXPECT_GE(rankOneShare, 0.8);
    }
    EXPECT_LE(falsePerMiB, kFull ? 1.0 : 4.0);
}

}  // namespace
}  // namespace pixmora
