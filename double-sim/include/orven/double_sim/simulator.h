#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "orven/double_sim/engine.h"
#include "orven/double_sim/estimates.h"
#include "orven/double_sim/setup.h"
#include "orven/exact/model.h"
#include "orven/results_block.h"
#include "orven/sim/replications.h"
#include "orven/sim/run_controller.h"
#include "orven/sim/run_view.h"
#include "orven/sim/start_sequence.h"

namespace orven {
class Platform;
}

namespace orven::double_sim {

// The simulator of the double network as the main window owns it: the experiment, the run
// controller (run length, run in progress), and the tables and estimates of the last run.
class DoubleSimulator final {
  public:
    int experiment() const { return experiment_; }
    // Takes effect at the next Start; a run in progress keeps the experiment it began with.
    void setExperiment(int experiment) { experiment_ = experiment; }

    sim::RunController& controller() { return controller_; }
    const sim::RunController& controller() const { return controller_; }

    // "Start": refuses populations out of range with a message; otherwise sets up, simulates,
    // shows the state numbers, asks for the file, shows the estimates and appends the report's
    // first section, shows the totals, then appends the distribution of queues 2 and 5 to the
    // same file. A run stopped through the controller writes and shows nothing more. Split into
    // replications, the run's tables and estimates are theirs after their warm-ups, together.
    sim::StartOutcome start(const PopulationTexts& texts, Platform& platform, sim::RunView& view,
                            const sim::Replications& replications = {});

    const RunSetup& setup() const { return setup_; }
    const RunState& lastRun() const { return run_; }
    const Estimates& estimates() const { return estimates_; }
    // The answer to the file prompt of the last completed run.
    const QString& fileName() const { return fileName_; }
    // Both sections of the last completed run's report, as appended to its results file.
    const ResultsBlock& lastReport() const { return report_; }

    // The outputs of the last completed run as computed, not rounded (firings per unit of time
    // of each station), with their standard errors from the batch means where the run had
    // enough batches; and the network it ran, for the exact value beside them.
    std::vector<double> outputs() const;
    std::vector<std::optional<double>> outputStandardErrors() const;
    exact::Model exactModel() const;

  private:
    struct Sequence;
    // `ypolog`: the estimates, the results window and the report's first section; true when
    // the section was written.
    bool ypolog(Platform& platform, sim::RunView& view);
    // `newp`: the distribution of queues 2 and 5, appended after a first section that was.
    void newp(Platform& platform, bool firstSectionWritten);

    int experiment_ = sim::kFirstExperiment;
    sim::RunController controller_;
    RunSetup setup_;
    RunState run_;
    Estimates estimates_;
    QString fileName_;
    ResultsBlock report_;
};

}  // namespace orven::double_sim
