#include "import/recognition.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <vector>

#include "io/model_glyphs.h"
#include "model/formats.h"

namespace pixmora {

namespace {

constexpr int kPairsPerGroup = 4;

// An aligned glyph as one bit mask per row, so two glyphs compare a row at a time.
struct GlyphRows {
    std::array<std::uint64_t, kGridRows> rows{};
    int lit = 0;
};

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

float MatchRows(const GlyphRows& data, const GlyphRows& model, int width, int height) {
    int differing = 0;
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        differing += std::popcount(data.rows[row] ^ model.rows[row]);
    }
    const int cell = width * height;
    const auto same = static_cast<float>(cell - 2 * differing);
    if (same <= 0) {
        return 0;
    }
    if (model.lit == 0 && data.lit == 0) {
        return 1;
    }
    if (data.lit == 0 || (model.lit == 0 && data.lit > 3)) {
        return 0;
    }
    return same / static_cast<float>(cell);
}

bool TrialRuns(int formatIndex, int trial) {
    return ScanOffered(kCellFormats[static_cast<std::size_t>(formatIndex)].width, TrialScan(trial));
}

// The 64 model glyphs of a format, unpacked once for all its trials.
std::vector<GlyphRows> UnpackModel(std::span<const std::uint8_t> model, const CellFormat& format) {
    std::vector<GlyphRows> glyphs(kModelGlyphs);
    for (int slot = 0; slot < kModelGlyphs; ++slot) {
        glyphs[static_cast<std::size_t>(slot)] =
            ToRows(UnpackModelGlyph(model, slot, format.width, format.bytesPerChar), format.width,
                   format.height);
    }
    return glyphs;
}

TrialScores ScoreTrial(std::span<const std::uint8_t> data, const std::vector<GlyphRows>& model,
                       const CellFormat& format, int trial) {
    TrialScores scores;
    for (int pair = 0; pair < kTestPairs; ++pair) {
        const TestPair test = TestPairOf(pair);
        const GlyphRows glyph =
            ToRows(UnpackDataGlyph(data, test.dataChar, format.width, format.height,
                                   format.bytesPerChar, TrialScan(trial), TrialNegative(trial)),
                   format.width, format.height);
        float best = 0;
        for (int version = 0; version < kModelRows; ++version) {
            const auto slot = static_cast<std::size_t>(test.modelGlyph + kModelRowLength * version);
            best = std::max(best, MatchRows(glyph, model[slot], format.width, format.height));
        }
        scores.pairs[static_cast<std::size_t>(pair)] = best;
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

}  // namespace

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
    return ScoreTrial(data, UnpackModel(model, format), format, trial);
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
    const auto glyphs = UnpackModel(model, format);
    std::array<TrialScores, kTrials> scores{};
    for (int trial = 0; trial < kTrials; ++trial) {
        if (TrialRuns(formatIndex, trial)) {
            scores[static_cast<std::size_t>(trial)] = ScoreTrial(data, glyphs, format, trial);
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
