#include "orven/plots/sim_plots.h"

namespace orven::plots {

PlotSeries estimatedDistribution(const sim::Shares& shares, int row, const QString& name) {
    PlotSeries series{name, {}, {}, {}};
    for (const Fixed4 p : shares.P.row(row)) series.values.push_back(p.toDouble());
    return series;
}

}  // namespace orven::plots
