#include "sampling.h"

#include "orven/simple_sim/estimates.h"
#include "orven/simple_sim/experiments.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim::testing {

std::vector<double> simulateEstimates(const std::array<int, kSources>& populations, int experiment,
                                      float length, std::uint64_t seed) {
    RunSetup setup;
    for (int i = 1; i <= kSources; ++i) setup.N[i] = populations[static_cast<std::size_t>(i - 1)];
    setup.mu = experimentRates(experiment, populations);
    setup.Nmax = setup.mu.nmax();
    orven::testing::ScriptedPlatform platform(seed);
    platform.drawDirectly();
    RunState run;
    runFor(setup, run, platform, length);
    const Estimates estimates = estimate(run);
    std::vector<double> values;
    for (int i = 1; i <= kSources; ++i)
        for (const Fixed4 p : estimates.P.row(i)) values.push_back(p.toDouble());
    values.push_back(estimates.X.toDouble());
    return values;
}

}  // namespace orven::simple_sim::testing
