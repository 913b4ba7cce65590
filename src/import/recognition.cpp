#include "import/recognition.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#include "io/model_glyphs.h"
#include "model/formats.h"

namespace pixmora {

namespace {

GlyphRows ToRows(const DotMatrix& dots, int width, int height) {
    GlyphRows glyph;
    for (int row = 0; row < height; ++row) {
        std::uint64_t mask = 0;
        for (int column = 0; column < width; ++column) {
            mask |= static_cast<std::uint64_t>(dots[DotIndex(row, column)] != 0) << column;
        }
        glyph.rows[static_cast<std::size_t>(row)] = mask;
        glyph.lit += std::popcount(mask);
    }
    return glyph;
}

bool TrialRuns(int formatIndex, int trial) {
    return ScanOffered(kCellFormats[static_cast<std::size_t>(formatIndex)].width, TrialScan(trial));
}

// The bytes of character charIndex; the span ends early where the data does.
std::span<const std::uint8_t> CharBytes(std::span<const std::uint8_t> data, int charIndex,
                                        int bytesPerChar) {
    const auto start = static_cast<std::size_t>(charIndex) * static_cast<std::size_t>(bytesPerChar);
    if (start >= data.size()) {
        return {};
    }
    return data.subspan(start,
                        std::min(data.size() - start, static_cast<std::size_t>(bytesPerChar)));
}

TestGlyphs TestGlyphsOf(std::span<const std::uint8_t> data, const CellFormat& format, int scan) {
    TestGlyphs glyphs;
    for (int pair = 0; pair < kTestPairs; ++pair) {
        glyphs[static_cast<std::size_t>(pair)] =
            RowsOfGlyph(CharBytes(data, TestPairOf(pair).dataChar, format.bytesPerChar), scan,
                        format.width, format.height, false);
    }
    return glyphs;
}

}  // namespace

ModelRows UnpackModelRows(std::span<const std::uint8_t> model, const CellFormat& format) {
    ModelRows glyphs;
    for (int slot = 0; slot < kModelGlyphs; ++slot) {
        glyphs[static_cast<std::size_t>(slot)] =
            RowsOfGlyph(CharBytes(model, slot, format.bytesPerChar), kScanVertical1, format.width,
                        format.height, false);
    }
    return glyphs;
}

float PairScore(const GlyphRows& glyph, const ModelRows& model, const CellFormat& format,
                bool negative, int pair) {
    GlyphRows aligned = negative ? InvertedRows(glyph, format.width, format.height) : glyph;
    AlignRows(aligned, format.height);
    float best = 0;
    for (int version = 0; version < kModelRows; ++version) {
        const auto slot =
            static_cast<std::size_t>(TestPairOf(pair).modelGlyph + kModelRowLength * version);
        best = std::max(best, MatchRows(aligned, model[slot], format.width, format.height));
    }
    return best;
}

float PairScoreBound(int lit, const ModelRows& model, const CellFormat& format, int pair) {
    float best = 0;
    for (int version = 0; version < kModelRows; ++version) {
        const auto slot =
            static_cast<std::size_t>(TestPairOf(pair).modelGlyph + kModelRowLength * version);
        best = std::max(best, MatchBound(lit, model[slot].lit, format.width, format.height));
    }
    return best;
}

TrialScores ScoreTestGlyphs(const TestGlyphs& glyphs, const ModelRows& model,
                            const CellFormat& format, bool negative) {
    TrialScores scores;
    for (int pair = 0; pair < kTestPairs; ++pair) {
        scores.pairs[static_cast<std::size_t>(pair)] =
            PairScore(glyphs[static_cast<std::size_t>(pair)], model, format, negative, pair);
    }
    for (int group = 0; group < kGroupCount; ++group) {
        float product = 1;
        for (int k = 0; k < kPairsPerGroup; ++k) {
            product *= scores.pairs[static_cast<std::size_t>(group * kPairsPerGroup + k)];
        }
        scores.groups[static_cast<std::size_t>(group)] = product;
        scores.score = std::max(scores.score, product);
    }
    return scores;
}

TestPair TestPairOf(int pair) {
    if (pair < kModelRowLength) {
        return {kModelRowChars[static_cast<std::size_t>(pair)], pair};
    }
    const int cyrillicCapitals = kModelRowLength - kPairsPerGroup;
    return {pair - kModelRowLength, cyrillicCapitals + pair - kModelRowLength};
}

DotMatrix UnpackDataGlyph(std::span<const std::uint8_t> data, int charIndex, int width, int height,
                          int bytesPerChar, int scan, bool negative) {
    const auto bytes = GlyphAt(data, charIndex, bytesPerChar);
    DotMatrix dots =
        UnpackGlyph({bytes.data(), static_cast<std::size_t>(bytesPerChar)}, scan, width, height);
    if (negative) {
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                auto& dot = dots[DotIndex(row, column)];
                dot = dot == 0 ? 1 : 0;
            }
        }
    }
    AlignBottomLeft(dots, width, height);
    return dots;
}

float GlyphMatch(const DotMatrix& data, const DotMatrix& model, int width, int height) {
    return MatchRows(ToRows(data, width, height), ToRows(model, width, height), width, height);
}

TrialScores RunTrial(std::span<const std::uint8_t> data, std::span<const std::uint8_t> model,
                     int formatIndex, int trial) {
    if (!TrialRuns(formatIndex, trial)) {
        return {};
    }
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    return ScoreTestGlyphs(TestGlyphsOf(data, format, TrialScan(trial)),
                           UnpackModelRows(model, format), format, TrialNegative(trial));
}

Coverage GroupCoverage(float product) {
    if (product > kCoverageThreshold) {
        return Coverage::Yes;
    }
    if (product > 0 && product < kCoverageThreshold) {
        return Coverage::Unsure;
    }
    return Coverage::No;
}

int CharSetClassOf(const std::array<Coverage, kGroupCount>& coverage) {
    const auto found = [&](Group group) { return coverage[group] == Coverage::Yes; };
    if (found(kCyrillicBlock)) {
        return 3;
    }
    if (found(kSigns) || found(kDigits) || found(kLatin)) {
        return 1;
    }
    return found(kCyrillic) ? 2 : 0;
}

std::array<TrialScores, kTrials> RecogniseFormat(std::span<const std::uint8_t> data,
                                                 std::span<const std::uint8_t> model,
                                                 int formatIndex) {
    const CellFormat& format = kCellFormats[static_cast<std::size_t>(formatIndex)];
    const ModelRows glyphs = UnpackModelRows(model, format);
    std::array<TrialScores, kTrials> scores{};
    for (int scan = 0; scan < kScanCount; ++scan) {
        if (!ScanOffered(format.width, scan)) {
            continue;
        }
        // Both polarities read the same bytes: unpacked once, inverted for the negative trial.
        const TestGlyphs test = TestGlyphsOf(data, format, scan);
        for (const bool negative : {false, true}) {
            scores[static_cast<std::size_t>(TrialOf(scan, negative))] =
                ScoreTestGlyphs(test, glyphs, format, negative);
        }
    }
    return scores;
}

void JudgeCandidate(Recognition& result) {
    if (result.bestScore == 0) {
        return;
    }
    const auto& winner =
        result
            .table[static_cast<std::size_t>(result.candidate.formatIndex)][static_cast<std::size_t>(
                TrialOf(result.candidate.scan, result.candidate.negative))];
    for (int group = 0; group < kGroupCount; ++group) {
        result.coverage[static_cast<std::size_t>(group)] =
            GroupCoverage(winner.groups[static_cast<std::size_t>(group)]);
    }
    result.CharSetClass = CharSetClassOf(result.coverage);
    result.Recognised = result.CharSetClass > 0;
}

Recognition RecogniseData(std::span<const std::uint8_t> data,
                          const std::array<std::span<const std::uint8_t>, kFormatCount>& models) {
    Recognition result;
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        auto& row = result.table[static_cast<std::size_t>(formatIndex)];
        row = RecogniseFormat(data, models[static_cast<std::size_t>(formatIndex)], formatIndex);
        for (int trial = 0; trial < kTrials; ++trial) {
            if (row[static_cast<std::size_t>(trial)].score > result.bestScore) {
                result.bestScore = row[static_cast<std::size_t>(trial)].score;
                result.candidate = {formatIndex, TrialScan(trial), TrialNegative(trial)};
            }
        }
    }
    JudgeCandidate(result);
    return result;
}

}  // namespace pixmora
