#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"
#include "orven/solver_kit/run_summary.h"
#include "orven/solver_kit/solver_view.h"

namespace orven::solver_kit {

// The steps of a run that differ from one network to the other; the run itself (the check,
// the iteration, the messages, the prompt, the file, the lists and the summary) is the same
// for both solvers.
class SolverNetwork {
  public:
    virtual ~SolverNetwork() = default;

    // The first input out of range, or nothing: a run with such an input computes nothing.
    virtual std::optional<InputProblem> inputProblem() const = 0;
    // Set-up: a working state built afresh from the inputs and the chosen rates, ready for
    // the iteration.
    virtual void setUpRun(aggregation::SolverState& state) = 0;
    // The default answer of the file-name prompt.
    virtual QString defaultFileName() const = 0;
    // The block that the run appends to its results file.
    virtual ResultsBlock resultsBlock(const aggregation::SolverState& state,
                                      const aggregation::Table& Xout,
                                      const QDateTime& when) const = 0;
    // The run's row of the summary.
    virtual RunSummary::Row summaryRow(const aggregation::SolverState& state, double S) const = 0;

    // The first state that the output lists show: 1 for the simple network, 0 for the double.
    virtual int firstListedState() const { return 1; }
    // Whether List1(0) is filled before the file-name prompt (the double network) or with the
    // rates after it (the simple network).
    virtual bool statesBeforePrompt() const { return false; }
};

}  // namespace orven::solver_kit
