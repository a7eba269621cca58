#pragma once

#include <QDateTime>
#include <QString>

#include "orven/results_block.h"
#include "orven/simple_sim/estimates.h"
#include "orven/simple_sim/setup.h"

namespace orven::simple_sim {

// The default answer of the file prompt asked at the end of every run.
QString filePromptDefault();

// The 23-line record of one run: date, experiment of the run (shown as experiment + 1), run
// length, populations, table A of the rates, table B of the probabilities and the mean output.
ResultsBlock resultsRecord(const QDateTime& when, float runtime, const RunSetup& setup,
                           const Estimates& estimates);

}  // namespace orven::simple_sim
