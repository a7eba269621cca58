#include "orven/simple_sim/engine.h"

#include <cassert>

#include "orven/input_rules.h"

namespace orven::simple_sim {

Network::Network(const RunSetup& setup, RunState& run) : run_(run), rates_(kSources, setup.Nmax) {
    assert(run.T.nmax() == setup.Nmax);
    for (int i = 1; i <= kSources; ++i) {
        assert(isValidPopulation(setup.N[i]) && setup.N[i] <= setup.Nmax);
        sim::setSendingRates(rates_, i, setup.mu.row(i), static_cast<int>(setup.N[i]));
    }
}

sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view) {
    run = RunState(setup.Nmax);
    Network network(setup, run);
    return sim::simulate(network, platform, controller, view);
}

}  // namespace orven::simple_sim
