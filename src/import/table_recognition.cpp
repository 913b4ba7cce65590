#include "import/table_recognition.h"

#include <algorithm>

#include "model/formats.h"

namespace pixmora {

namespace {

float BestOf(const std::array<TrialScores, kTrials>& row) {
    float best = 0;
    for (const TrialScores& trial : row) {
        best = std::max(best, trial.score);
    }
    return best;
}

}  // namespace

Recognition RecogniseTable(SourceTable& table,
                           const std::array<std::span<const std::uint8_t>, kFormatCount>& models,
                           std::vector<std::uint8_t>& placed) {
    Recognition result;
    std::array<int, kFormatCount> startOf{};
    for (int formatIndex = 0; formatIndex < kFormatCount; ++formatIndex) {
        const auto n = static_cast<std::size_t>(formatIndex);
        float formatBest = -1;
        for (const int start : StartCodes(table.glyphs.size(), formatIndex, table.header)) {
            // Every trial sees empty characters of a positive font before the first code.
            const std::vector<std::uint8_t> bytes = PlaceTable(table, formatIndex, start, false);
            const auto row = RecogniseFormat(bytes, models[n], formatIndex);
            if (BestOf(row) > formatBest) {
                formatBest = BestOf(row);
                result.table[n] = row;
                startOf[n] = start;
            }
        }
        for (int trial = 0; trial < kTrials; ++trial) {
            const float score = result.table[n][static_cast<std::size_t>(trial)].score;
            if (score > result.bestScore) {
                result.bestScore = score;
                result.candidate = {formatIndex, TrialScan(trial), TrialNegative(trial)};
            }
        }
    }
    JudgeCandidate(result);
    // Unrecognised, the glyphs lie as a header says, or as the parameters given by hand will
    // read them.
    const int format = result.Recognised || !table.header ? result.candidate.formatIndex
                                                          : table.header->formatIndex;
    const int start = result.Recognised ? startOf[static_cast<std::size_t>(format)]
                                        : GivenFirstCode(table, format);
    placed = PlaceTable(table, format, start, result.Recognised && result.candidate.negative);
    return result;
}

}  // namespace pixmora
