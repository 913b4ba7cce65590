// The trial that came second in a recognition, so that a caller can see how close the call was.
#pragma once

#include <optional>

#include "import/recognition.h"

namespace pixmora {

struct RankedTrial {
    Candidate candidate;
    float score = 0;
};

// The best trial of the table other than the winner, chosen by the winner's own rule: a strictly
// larger score replaces the best so far, so ties go to the earlier format, then the earlier trial.
// Nothing when no trial was chosen or no other trial scored above 0.
std::optional<RankedTrial> RunnerUp(const Recognition& found);

}  // namespace pixmora
