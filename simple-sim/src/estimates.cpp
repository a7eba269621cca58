#include "orven/simple_sim/estimates.h"

namespace orven::simple_sim {

Estimates estimate(const RunState& run) {
    return {sim::shares(run.T, run.clock), sim::share(static_cast<double>(run.count), run.clock),
            run.batches.intervals()};
}

std::optional<double> Estimates::halfWidthP(int queue, int length) const {
    if (!intervals) return std::nullopt;
    return intervals->halfWidthP(queue, length);
}

std::optional<double> Estimates::halfWidthX() const {
    if (!intervals) return std::nullopt;
    return intervals->halfWidthX[0];
}

sim::ResultsContent resultsContent(const Estimates& estimates) {
    return sim::resultsContent(estimates, kSources, QStringLiteral("Σ"), {displayForm(estimates.X)},
                               {sim::halfWidthText(estimates.halfWidthX())});
}

}  // namespace orven::simple_sim
