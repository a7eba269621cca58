#pragma once

#include <QDateTime>
#include <QString>

#include "orven/double_sim/estimates.h"
#include "orven/double_sim/setup.h"
#include "orven/results_block.h"

namespace orven::double_sim {

// The default answer of the file prompt asked at the end of every run.
QString filePromptDefault();

// The experiment as the report names it, after the captions of the options: "ΠΕΙΡΑΜΑ 1" for
// experiment 0, "ΠΕΙΡΑΜΑ 3" for experiment 1 ("3o Πείραμα"), "ΠΕΙΡΑΜΑ 2" otherwise.
QString experimentName(int experiment);

// The first section of a run's report, as `ypolog` appends it: date, experiment, run length,
// populations, table A of the rates of sources 1..4, table B of the probabilities of queues
// 1..6 and the mean outputs of both stations.
ResultsBlock reportSection(const QDateTime& when, float runtime, const RunSetup& setup,
                           const Estimates& estimates);

// The second section, as `newp` appends it: the distribution of the jobs in queues 2 and 5
// together, under the diagram's name for them.
ResultsBlock distributionSection(const Estimates& estimates);

}  // namespace orven::double_sim
