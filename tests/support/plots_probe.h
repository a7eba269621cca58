#pragma once

// A plots window read as a user reads it: the bars and markers of the distribution picked in its
// selector. Header only, for the window tests that link the plots.
#include <QBarSet>
#include <QComboBox>
#include <QTest>
#include <QXYSeries>
#include <vector>

#include "orven/ui/plots/distribution_chart.h"
#include "orven/ui/plots/error_bars.h"
#include "orven/ui/plots/plots_window.h"
#include "window_driver.h"

namespace orven::testing {

struct DrawnDistribution {
    QString title;
    std::vector<double> bars;      // P(n) for n = 0, 1, ...
    std::vector<QPointF> markers;  // the exact values as (n, P(n))
    std::vector<ui::ErrorBars::Interval> whiskers;
};

inline DrawnDistribution drawnDistribution(const ui::PlotsWindow& window, int series) {
    control<QComboBox>(window, QStringLiteral("Combo1"))->setCurrentIndex(series);
    const ui::DistributionChart& chart = window.distributionChart();
    DrawnDistribution drawn{chart.title(), {}, {}, chart.errorBars().intervals()};
    for (int n = 0; n < chart.estimates().count(); ++n)
        drawn.bars.push_back(chart.estimates().at(n));
    const QList<QPointF> points = chart.exactValues().points();
    drawn.markers.assign(points.begin(), points.end());
    return drawn;
}

// Waits until the exact values that the window computes on a worker thread have come.
inline bool exactValuesArrive(const ui::PlotsWindow& window) {
    return QTest::qWaitFor(
        [&] {
            const auto& shown = window.content().distributions;
            return !shown.empty() && shown.back().exact.has_value();
        },
        60000);
}

}  // namespace orven::testing
