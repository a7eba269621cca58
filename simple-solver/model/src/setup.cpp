#include "orven/simple/setup.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/preset_rates.h"

namespace orven::simple {

int classesFor(double R) {
    if (!(R >= 0)) return 0;
    return static_cast<int>(std::min(std::floor(R), static_cast<double>(kPopulationFields)));
}

int populationFor(double value) {
    return isValidPopulation(value) ? static_cast<int>(value) : 0;
}

int initiate(aggregation::SolverState& state, const QString& rText,
             std::span<const QString> populationTexts, int experimentCode) {
    // A fresh state: nothing of an earlier run, not even the rates and probabilities beyond a
    // class's population, reaches this one.
    state = aggregation::SolverState{};
    const int R =
        std::min(classesFor(numberFromText(rText)), static_cast<int>(populationTexts.size()));
    state.R = R;
    state.omega = 1;
    state.iter = 0;
    state.N.assign(static_cast<std::size_t>(R) + 1, 0);
    state.Na.assign(static_cast<std::size_t>(R) + 1, 0);
    state.Nmax = 0;
    for (int k = 0; k < R; ++k) {
        state.N[k + 1] =
            populationFor(numberFromText(populationTexts[static_cast<std::size_t>(k)]));
        state.Nmax = std::max(state.Nmax, state.N[k + 1]);
    }
    state.mu.reset(R + 1, state.Nmax + 1);
    state.P.reset(R + 1, state.Nmax + 1);
    for (int i = 1; i <= R; ++i) {
        for (int n = 0; n < state.N[i]; ++n) state.mu(i, n) = orven::presetRate(experimentCode, i);
        state.mu(i, state.N[i]) = 0;
    }
    return R;
}

}  // namespace orven::simple
