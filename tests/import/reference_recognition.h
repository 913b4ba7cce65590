// The trial rule as written for one dot matrix at a time, kept beside the bit-row engine to prove
// that both give the same scores to the last bit.
#pragma once

#include <algorithm>
#include <array>

#include "import/recognition.h"
#include "io/model_glyphs.h"

namespace pixmora::test {

inline std::array<std::array<TrialScores, kTrials>, kFormatCount> ReferenceTable(
    std::span<const std::uint8_t> data,
    const std::array<std::span<const std::uint8_t>, kFormatCount>& models) {
    std::array<std::array<TrialScores, kTrials>, kFormatCount> table{};
    for (int n = 0; n < kFormatCount; ++n) {
        const CellFormat& format = kCellFormats[static_cast<std::size_t>(n)];
        for (int trial = 0; trial < kTrials; ++trial) {
            if (!ScanOffered(format.width, TrialScan(trial))) {
                continue;
            }
            TrialScores& scores =
                table[static_cast<std::size_t>(n)][static_cast<std::size_t>(trial)];
            for (int pair = 0; pair < kTestPairs; ++pair) {
                const TestPair test = TestPairOf(pair);
                const DotMatrix dots =
                    UnpackDataGlyph(data, test.dataChar, format.width, format.height,
                                    format.bytesPerChar, TrialScan(trial), TrialNegative(trial));
                float best = 0;
                for (int version = 0; version < kModelRows; ++version) {
                    const DotMatrix model =
                        UnpackModelGlyph(models[static_cast<std::size_t>(n)],
                                         test.modelGlyph + kModelRowLength * version, format.width,
                                         format.bytesPerChar);
                    best = std::max(best, GlyphMatch(dots, model, format.width, format.height));
                }
                scores.pairs[static_cast<std::size_t>(pair)] = best;
            }
            for (int group = 0; group < kGroupCount; ++group) {
                float product = 1;
                for (int k = 0; k < 4; ++k) {
                    product *= scores.pairs[static_cast<std::size_t>(group * 4 + k)];
                }
                scores.groups[static_cast<std::size_t>(group)] = product;
                scores.score = std::max(scores.score, product);
            }
        }
    }
    return table;
}

// Every pair, group and trial score of the engine equals the reference, bit for bit.
inline void ExpectSameAsReference(
    std::span<const std::uint8_t> data,
    const std::array<std::span<const std::uint8_t>, kFormatCount>& models) {
    const Recognition fast = RecogniseData(data, models);
    const auto reference = ReferenceTable(data, models);
    for (std::size_t n = 0; n < reference.size(); ++n) {
        for (std::size_t t = 0; t < kTrials; ++t) {
            const TrialScores& want = reference[n][t];
            const TrialScores& got = fast.table[n][t];
            EXPECT_EQ(got.pairs, want.pairs) << "format " << n << " trial " << t;
            EXPECT_EQ(got.groups, want.groups) << "format " << n << " trial " << t;
            EXPECT_EQ(got.score, want.score) << "format " << n << " trial " << t;
        }
    }
}

}  // namespace pixmora::test
