#include "orven/simple_sim/engine.h"

#include <cassert>

#include "orven/input_rules.h"

namespace orven::simple_sim {

sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view) {
    for (int i = 1; i <= kSources; ++i) {
        assert(isValidPopulation(setup.N[i]));
    }
    run = RunState(setup.Nmax);
    Network network(setup, run);
    return sim::simulate(network, platform, controller, view);
}

}  // namespace orven::simple_sim
