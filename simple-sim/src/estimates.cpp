#include "orven/simple_sim/estimates.h"

namespace orven::simple_sim {

Estimates estimate(const RunState& run) {
    return {sim::shares(run.T, run.clock), sim::share(static_cast<double>(run.count), run.clock)};
}

sim::ResultsContent resultsContent(const Estimates& estimates) {
    return sim::resultsContent(estimates, kSources, QStringLiteral("Σ"),
                               {displayForm(estimates.X)});
}

}  // namespace orven::simple_sim
