#pragma once

#include <QString>
#include <optional>

#include "orven/plots/plot_series.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/shares.h"

namespace orven::plots {

// Row `row` of a simulator's estimates, P(row, n) for n = 0..nmax, exactly as the results
// window shows them (to four decimals), with the 95 % half-width of each where the run had
// enough batches for an interval.
PlotSeries estimatedDistribution(const sim::Shares& shares,
                                 const std::optional<sim::Intervals>& intervals, int row,
                                 const QString& name);

}  // namespace orven::plots
