#pragma once

#include <QString>

#include "orven/plots/plot_series.h"
#include "orven/sim/shares.h"

namespace orven::plots {

// Row `row` of a simulator's estimates, P(row, n) for n = 0..nmax, exactly as the results
// window shows them (to four decimals).
PlotSeries estimatedDistribution(const sim::Shares& shares, int row, const QString& name);

}  // namespace orven::plots
