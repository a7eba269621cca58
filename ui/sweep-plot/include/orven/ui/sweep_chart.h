#pragma once

#include <QChart>

#include "orven/plots/sweep_table.h"

namespace orven::ui {

// The chart of a sweep (see plotSweep in sweep_plot.h): for each curve a line with markers, its
// error bars, and its exact values as a dashed line of the same colour.
class SweepChart final : public QChart {
  public:
    explicit SweepChart(const plots::SweepTable& table);
};

}  // namespace orven::ui
