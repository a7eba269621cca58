#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "orven/aggregation/iteration.h"
#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"
#include "orven/solver_kit/output_rates.h"
#include "orven/solver_kit/run_summary.h"
#include "orven/solver_kit/solver_network.h"
#include "orven/solver_kit/solver_view.h"

namespace orven {
class Platform;
}

namespace orven::solver_kit {

// How a "start" ended.
enum class StartEnd {
    Refused,    // an input was out of range: its warning was shown, nothing else happened
    Failed,     // the iteration or the output rates gave no result: its warning was shown,
                // nothing written or recorded (the list boxes were emptied)
    Completed,  // the result was shown, the file written (or its error shown), lists filled
};

struct StartResult {
    StartEnd end = StartEnd::Refused;
    // Completed only: the text of the output field and the items of the list boxes.
    QString output;
    OutputLists lists;
    // Completed only: the block appended to the results file (or meant for it).
    ResultsBlock block;
    // Completed and the results block reached its file.
    bool saved = false;
    // A row was added to the summary (false from the sixteenth run on, and unless Completed).
    bool recorded = false;
    // The end of the iteration, when it ran.
    std::optional<aggregation::IterationOutcome> iteration;
};

// What a solver program keeps between its runs (the working state of the last run, its output
// rates and the run summary), with the run sequence of "start" that both solvers share.
class Solver {
  public:
    explicit Solver(std::vector<QString> summaryHeadings);

    // Set-up alone, as an edit of a population field runs it.
    void setUp(SolverNetwork& network);

    // "start", in this order: the check of the inputs (a warning titled "Σφάλμα" for the
    // first one out of range, and nothing else); set-up; the iteration under a busy cursor;
    // the cut-off message when it applies; the result message; the output field; List1(0)
    // where the network fills it before the prompt; the file-name prompt; the results block;
    // the list boxes; the append to the results file (its error message when it fails); the
    // summary row. The view follows each step.
    StartResult start(SolverNetwork& network, Platform& platform, SolverView& view);

    const aggregation::SolverState& state() const { return state_; }
    // Xout of the last completed run.
    const aggregation::Table& Xout() const { return Xout_; }
    const RunSummary& summary() const { return summary_; }

  private:
    aggregation::SolverState state_;
    aggregation::Table Xout_;
    RunSummary summary_;
};

}  // namespace orven::solver_kit
