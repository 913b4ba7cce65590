#include "import/runner_up.h"

#include <cstddef>

namespace pixmora {

std::optional<RankedTrial> RunnerUp(const Recognition& found) {
    if (found.bestScore == 0) {
        return std::nullopt;
    }
    const Candidate& winner = found.candidate;
    const int winningTrial = TrialOf(winner.scan, winner.negative);
    std::optional<RankedTrial> second;
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        for (int trial = 0; trial < kTrials; ++trial) {
            if (formatIndex == winner.formatIndex && trial == winningTrial) {
                continue;
            }
            const float score =
                found.table[static_cast<std::size_t>(formatIndex)][static_cast<std::size_t>(trial)]
                    .score;
            if (score > (second ? second->score : 0.0F)) {
                second = RankedTrial{{formatIndex, TrialScan(trial), TrialNegative(trial)}, score};
            }
        }
    }
    return second;
}

}  // namespace pixmora
