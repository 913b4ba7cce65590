// Recognition of a font file's cell format, byte scan and polarity by template matching.
//
// For every cell format the file's bytes are cut into characters of that format; for each byte
// scan and polarity (a trial) twenty test characters are unpacked, moved to the bottom-left corner
// of the cell and compared with the four versions of their reference glyph in the format's model
// file. The products of the matches of four character groups rate the trial; the best trial over
// all formats wins. Everything here works on bytes already read, so it runs without files.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "import/glyph_rows.h"
#include "io/model_glyphs.h"
#include "model/formats.h"
#include "model/glyph_packing.h"

namespace pixmora {

inline constexpr int kTestPairs = 20;
inline constexpr int kPairsPerGroup = 4;
inline constexpr int kTrials = 8;  // 2 * scan + (1 for negative)
// Recognition tries every format of kCellFormats, each with its model file t<index>.mod.
inline constexpr int kFormatCount = static_cast<int>(kCellFormats.size());

// The groups, in the order of their slots after the 20 pairs.
enum Group { kSigns, kDigits, kLatin, kCyrillic, kCyrillicBlock, kGroupCount };

enum class Coverage { No = 0, Unsure = 1, Yes = 2 };

// A group covers a character set when the product of its four matches is above this.
inline constexpr float kCoverageThreshold = 0.18F;

struct TestPair {
    int dataChar;    // character index in the file
    int modelGlyph;  // glyph of the first model row; versions follow every 16 glyphs
};

// Pairs 0..15 are the test characters against their own models; pairs 16..19 take the file's first
// four characters as the Cyrillic capitals, for a file that holds only codes 192..255.
TestPair TestPairOf(int pair);

constexpr int TrialScan(int trial) {
    return trial / 2;
}
constexpr bool TrialNegative(int trial) {
    return trial % 2 == 1;
}
constexpr int TrialOf(int scan, bool negative) {
    return 2 * scan + (negative ? 1 : 0);
}

// The character at charIndex of data bytes cut bytesPerChar a character, unpacked in the scan,
// inverted for a negative trial and moved to the bottom-left corner. Bytes beyond the span read
// as 0.
DotMatrix UnpackDataGlyph(std::span<const std::uint8_t> data, int charIndex, int width, int height,
                          int bytesPerChar, int scan, bool negative);

// How alike two aligned glyphs are: 1 for two blanks, 0 when they share too little or one is blank
// and the other is not, else (equal dots - differing dots) / dots of the cell.
float GlyphMatch(const DotMatrix& data, const DotMatrix& model, int width, int height);

struct TrialScores {
    std::array<float, kTestPairs> pairs{};
    std::array<float, kGroupCount> groups{};
    float score = 0;
};

// The 20 test characters of one reading (format and scan), unpacked but neither inverted nor
// moved; the 64 glyphs of a format's model file as stored.
using TestGlyphs = std::array<GlyphRows, kTestPairs>;
using ModelRows = std::array<GlyphRows, kModelGlyphs>;

ModelRows UnpackModelRows(std::span<const std::uint8_t> model, const CellFormat& format);

// The match of one test character (unpacked, neither inverted nor moved) with the best of the four
// versions of its model glyph.
float PairScore(const GlyphRows& glyph, const ModelRows& model, const CellFormat& format,
                bool negative, int pair);

// What PairScore can reach at most for a character with this many lit dots (as its polarity reads
// them): more dots differ from a model glyph than their counts do.
float PairScoreBound(int lit, const ModelRows& model, const CellFormat& format, int pair);

// The engine every recognition shares: the test characters, inverted for a negative trial and
// moved to the bottom-left corner, against the four versions of their model glyphs.
TrialScores ScoreTestGlyphs(const TestGlyphs& glyphs, const ModelRows& model,
                            const CellFormat& format, bool negative);

// The matches of one trial; the model holds the format's 64 glyphs as read from its file.
TrialScores RunTrial(std::span<const std::uint8_t> data, std::span<const std::uint8_t> model,
                     int formatIndex, int trial);

Coverage GroupCoverage(float product);

// 0 nothing recognised, 1 signs, digits or Latin found, 2 Cyrillic only, 3 the Cyrillic block.
int CharSetClassOf(const std::array<Coverage, kGroupCount>& coverage);

struct Candidate {
    int formatIndex = 0;
    int scan = 0;
    bool negative = false;
};

struct Recognition {
    // Scores of every trial, indexed [format][trial]; trials that never run keep 0.
    std::array<std::array<TrialScores, kTrials>, kFormatCount> table{};
    float bestScore = 0;
    std::array<Coverage, kGroupCount> coverage{};
    int CharSetClass = 0;
    bool Recognised = false;
    Candidate candidate;
};

// The eight trials of one format; trials that never run (horizontal scans of a width that is no
// multiple of 8) keep 0.
std::array<TrialScores, kTrials> RecogniseFormat(std::span<const std::uint8_t> data,
                                                 std::span<const std::uint8_t> model,
                                                 int formatIndex);

// Coverage, class and Recognised of the candidate chosen in the table (nothing when the best score
// is 0).
void JudgeCandidate(Recognition& result);

// Runs every trial over every format's model bytes and chooses: the strictly best score wins,
// so ties go to the earlier format, then the earlier trial.
Recognition RecogniseData(std::span<const std::uint8_t> data,
                          const std::array<std::span<const std::uint8_t>, kFormatCount>& models);

}  // namespace pixmora
