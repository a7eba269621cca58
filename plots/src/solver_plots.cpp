#include "orven/plots/solver_plots.h"

#include <cmath>

#include "orven/plots/exact_values.h"

namespace orven::plots {

std::vector<PlotSeries> classDistributions(const aggregation::SolverState& state,
                                           const QStringList& names) {
    std::vector<PlotSeries> series;
    for (int i = 1; i <= state.R && i <= static_cast<int>(names.size()); ++i) {
        PlotSeries one{names[i - 1], {}, {}, {}};
        for (int n = 0; n <= state.N[static_cast<std::size_t>(i)]; ++n) {
            one.values.push_back(state.P(i, n));
        }
        series.push_back(std::move(one));
    }
    return series;
}

ConvergenceTrace convergenceTrace(const aggregation::SolverState& state) {
    ConvergenceTrace trace;
    for (int k = 1; k <= state.iter; ++k) {
        const double err = state.err[static_cast<std::size_t>(k)];
        const double S = state.S[static_cast<std::size_t>(k)];
        if (!std::isfinite(err) || !std::isfinite(S)) continue;
        trace.iteration.push_back(k);
        trace.err.push_back(err);
        trace.S.push_back(S);
    }
    return trace;
}

PlotContent solverContent(const aggregation::SolverState& state, const QStringList& names,
                          bool withResult) {
    PlotContent content;
    if (withResult) content.distributions = classDistributions(state, names);
    content.convergence = convergenceTrace(state);
    return content;
}

std::function<ExactValues()> exactClassDistributions(const aggregation::SolverState& state) {
    std::vector<int> N(state.N.begin() + 1, state.N.begin() + 1 + state.R);
    std::vector<std::size_t> points;
    for (const int n : N) points.push_back(static_cast<std::size_t>(n) + 1);
    Rates rates = ratesOf(state.mu, N);
    return [N = std::move(N), rates = std::move(rates), points = std::move(points)] {
        return exactSimpleNetwork(N, rates, points);
    };
}

}  // namespace orven::plots
