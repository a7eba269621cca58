#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "orven/aggregation/solver_state.h"
#include "orven/plots/plot_series.h"

namespace orven::plots {

// P(i, n) of classes 1..R for n = 0..N(i), one series per class named names[i - 1].
std::vector<PlotSeries> classDistributions(const aggregation::SolverState& state,
                                           const QStringList& names);

// err(k) and S(k) of every iteration the state holds whose figures are numbers; a run that
// ended in values that are not finite keeps the iterations before them.
ConvergenceTrace convergenceTrace(const aggregation::SolverState& state);

// What a plots window shows of a solver run: the distributions of its classes when the run has
// a result (`withResult`), and the trace of its iteration in any case.
PlotContent solverContent(const aggregation::SolverState& state, const QStringList& names,
                          bool withResult);

// The exact counterpart of classDistributions: the network that the run solved (its classes at
// one synchronization station, with the rates it worked with) solved exactly, as a job for a
// worker thread. The job holds its own copy of the populations and rates.
std::function<ExactValues()> exactClassDistributions(const aggregation::SolverState& state);

}  // namespace orven::plots
