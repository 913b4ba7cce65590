#include "import/runner_up.h"

#include <gtest/gtest.h>

#include "synthetic_font.h"

namespace pixmora {
namespace {

using test::Bytes;

// A table with these trial scores and the winner chosen as RecogniseData chooses it.
struct ScoreAt {
    int formatIndex;
    int trial;
    float score;
};

Recognition TableOf(std::initializer_list<ScoreAt> scores) {
    Recognition found;
    for (const ScoreAt& at : scores) {
        found.table[static_cast<std::size_t>(at.formatIndex)][static_cast<std::size_t>(at.trial)]
            .score = at.score;
        if (at.score > found.bestScore) {
            found.bestScore = at.score;
            found.candidate = {at.formatIndex, TrialScan(at.trial), TrialNegative(at.trial)};
        }
    }
    return found;
}

TEST(RunnerUp, IsTheBestOtherTrialOverEveryFormat) {
    const Recognition found = TableOf({{6, TrialOf(0, false), 0.6F},
                                       {7, TrialOf(1, false), 0.9F},
                                       {2, TrialOf(1, true), 0.4F},
                                       {8, TrialOf(3, true), 0.7F}});
    const auto second = RunnerUp(found);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->candidate.formatIndex, 8);
    EXPECT_EQ(second->candidate.scan, 3);
    EXPECT_TRUE(second->candidate.negative);
    EXPECT_EQ(second->score, 0.7F);
}

TEST(RunnerUp, ATieWithTheWinnerIsTheLaterTrialAndTiesAmongOthersGoEarlier) {
    // The winner is the first of the equal trials; the second of them comes next.
    Recognition found =
        TableOf({{3, TrialOf(0, false), 1.0F}, {5, TrialOf(2, false), 1.0F}, {1, 1, 0.5F}});
    auto second = RunnerUp(found);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->candidate.formatIndex, 5);
    EXPECT_EQ(second->candidate.scan, 2);
    EXPECT_EQ(second->score, 1.0F);

    found = TableOf(
        {{4, TrialOf(2, true), 0.8F}, {4, TrialOf(1, false), 0.3F}, {4, TrialOf(0, true), 0.3F}});
    second = RunnerUp(found);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->candidate.formatIndex, 4);
    EXPECT_EQ(second->candidate.scan, 0);
    EXPECT_TRUE(second->candidate.negative);
}

TEST(RunnerUp, NothingWithoutAWinnerOrAnotherScoredTrial) {
    EXPECT_FALSE(RunnerUp(Recognition{}));
    EXPECT_FALSE(RunnerUp(TableOf({{2, TrialOf(1, false), 0.5F}})));
}

// A real recognition: an 8 x 8 font whose bytes, read as 16 x 16 cells, are also copied into the
// 16 x 16 models. Both readings match perfectly; 8 x 8 wins the tie and 16 x 16 comes second.
TEST(RunnerUp, OfARecognitionWonOnATie) {
    std::mt19937 random{5};
    std::array<Bytes, kFormatCount> models = test::RandomModels(random);
    const Bytes font = test::FontFromModel(models[1], 1, 0, kScanVertical2, false);
    const CellFormat& large = test::FormatAt(3);
    const auto bpc = static_cast<std::size_t>(large.bytesPerChar);
    for (int position = 0; position < kModelRowLength; ++position) {
        const DotMatrix dots =
            UnpackDataGlyph(font, kModelRowChars[static_cast<std::size_t>(position)], large.width,
                            large.height, large.bytesPerChar, kScanVertical1, false);
        PackMatrix(dots,
                   std::span(models[3]).subspan(static_cast<std::size_t>(position) * bpc, bpc),
                   kScanVertical1, large.width, large.height);
    }
    const Recognition found = RecogniseData(font, test::Spans(models));
    ASSERT_EQ(found.candidate.formatIndex, 1);
    const auto second = RunnerUp(found);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->candidate.formatIndex, 3);
    EXPECT_EQ(second->candidate.scan, kScanVertical1);
    EXPECT_FALSE(second->candidate.negative);
    EXPECT_EQ(second->score, 1.0F);
}

}  // namespace
}  // namespace pixmora
