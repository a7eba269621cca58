#include "orven/double_sim/engine.h"

#include <cassert>
#include <cmath>

namespace orven::double_sim {

Network::Network(const RunSetup& setup, RunState& run) : run_(run), rates_(kSumRow, setup.Nmax) {
    assert(setup.mu.rows() == kSources && run.T.nmax() == setup.Nmax);
    std::array<int, kQueues + 1> limit{};
    for (int k = 1; k <= kQueues; ++k) {
        // The step relies on whole limits within the tables: every length then stays in them,
        // since n(2) + n(5) never exceeds N(2) and every other queue its own limit. A limit of
        // 0 (never let through by Start) leaves its source idle for good.
        assert(setup.N[k] >= 0 && setup.N[k] <= setup.Nmax && std::floor(setup.N[k]) == setup.N[k]);
        limit[k] = static_cast<int>(std::lround(setup.N[k]));
    }
    for (int k = 1; k <= kSources; ++k)
        sim::setSendingRates(rates_, k == 2 ? kSumRow : k, setup.mu.row(k), limit[k]);
    rates_(0, 0) = sim::kNoSend;  // read for source 3 while it is blocked
    limit6_ = limit[6];
}

sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view) {
    run = RunState(setup.Nmax);
    Network network(setup, run);
    return sim::simulate(network, platform, controller, view);
}

}  // namespace orven::double_sim
