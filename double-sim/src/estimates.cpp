#include "orven/double_sim/estimates.h"

namespace orven::double_sim {

Estimates estimate(const RunState& run) {
    return {sim::shares(run.T, run.clock), sim::share(static_cast<double>(run.count1), run.clock),
            sim::share(static_cast<double>(run.count2), run.clock)};
}

sim::ResultsContent resultsContent(const Estimates& estimates) {
    return sim::resultsContent(estimates, kQueues, QString(),
                               {displayForm(estimates.X1), displayForm(estimates.X2)});
}

}  // namespace orven::double_sim
