#include "orven/simple_solver/setup.h"

#include <algorithm>
#include <cmath>

#include "orven/input_rules.h"

namespace orven::simple_solver {

int classesFor(double R) {
    if (!(R >= 0)) return 0;
    return static_cast<int>(std::min(std::floor(R), static_cast<double>(kPopulationFields)));
}

int initiate(aggregation::SolverState& state, double R, std::span<const double> populations,
             const solver_kit::RateChoice& rates) {
    // A fresh state: nothing of an earlier run, not even the rates and probabilities beyond a
    // class's population, reaches this one.
    state = aggregation::SolverState{};
    const int classes = std::min(classesFor(R), static_cast<int>(populations.size()));
    state.R = classes;
    state.omega = 1;
    state.iter = 0;
    state.N.assign(static_cast<std::size_t>(classes) + 1, 0);
    state.Na.assign(static_cast<std::size_t>(classes) + 1, 0);
    state.Nmax = 0;
    for (int k = 0; k < classes; ++k) {
        state.N[k + 1] = populationFor(populations[static_cast<std::size_t>(k)]);
        state.Nmax = std::max(state.Nmax, state.N[k + 1]);
    }
    state.mu = rates.workingRates(state.N, state.Nmax);
    state.P.reset(classes + 1, state.Nmax + 1);
    return classes;
}

}  // namespace orven::simple_solver
