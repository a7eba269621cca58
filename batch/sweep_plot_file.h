#pragma once

#include <QString>

#include "orven/plots/sweep_table.h"
#include "orven/ui/sweep_plot.h"

namespace orven::batch {

// Draws a sweep's plot and writes it to `path` with every write checked, so that a full disk
// or a device that takes nothing is a failure with the system's reason. A regular file is
// replaced whole or left as it was; a device or a pipe that `path` names is written into, never
// replaced.
ui::SweepPlotOutcome writeSweepPlot(const plots::SweepTable& table, const QString& path);

}  // namespace orven::batch
