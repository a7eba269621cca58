#include "orven/double_sim/estimates.h"

namespace orven::double_sim {

Estimates estimate(const RunState& run) {
    return {sim::shares(run.T, run.clock), sim::share(static_cast<double>(run.count1), run.clock),
            sim::share(static_cast<double>(run.count2), run.clock), run.batches.intervals()};
}

std::optional<double> Estimates::halfWidthP(int queue, int length) const {
    if (!intervals) return std::nullopt;
    return intervals->halfWidthP(queue, length);
}

std::optional<double> Estimates::halfWidthX(int station) const {
    if (!intervals) return std::nullopt;
    return intervals->halfWidthX[static_cast<std::size_t>(station - 1)];
}

sim::ResultsContent resultsContent(const Estimates& estimates) {
    return sim::resultsContent(
        estimates, kQueues, QString(), {displayForm(estimates.X1), displayForm(estimates.X2)},
        {sim::halfWidthText(estimates.halfWidthX(1)), sim::halfWidthText(estimates.halfWidthX(2))});
}

}  // namespace orven::double_sim
