#include "orven/plots/sim_plots.h"

namespace orven::plots {

PlotSeries estimatedDistribution(const sim::Shares& shares,
                                 const std::optional<sim::Intervals>& intervals, int row,
                                 const QString& name) {
    PlotSeries series{name, {}, {}, {}};
    for (const Fixed4 p : shares.P.row(row)) series.values.push_back(p.toDouble());
    if (intervals) {
        const auto halfWidths = intervals->halfWidthP.row(row);
        series.halfWidths.emplace(halfWidths.begin(), halfWidths.end());
    }
    return series;
}

}  // namespace orven::plots
