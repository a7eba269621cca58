#pragma once

#include <algorithm>
#include <vector>

#include "orven/aggregation/solver_state.h"
#include "orven/preset_rates.h"

namespace orven::testing {

// A model of one class per population, as set-up leaves it for the iteration, built without
// any network's set-up: every class runs at its preset rate of the experiment code below its
// full queue and at 0 from there on.
inline aggregation::SolverState classModel(const std::vector<int>& populations, int code = 0) {
    aggregation::SolverState state;
    state.R = static_cast<int>(populations.size());
    state.N.assign(populations.size() + 1, 0);
    std::copy(populations.begin(), populations.end(), state.N.begin() + 1);
    state.Na.assign(populations.size() + 1, 0);
    state.Nmax = *std::max_element(state.N.begin(), state.N.end());
    state.mu.reset(state.R + 1, state.Nmax + 1);
    state.P.reset(state.R + 1, state.Nmax + 1);
    for (int i = 1; i <= state.R; ++i) {
        for (int n = 0; n < state.N[i]; ++n) state.mu(i, n) = presetRate(code, i);
    }
    return state;
}

}  // namespace orven::testing
