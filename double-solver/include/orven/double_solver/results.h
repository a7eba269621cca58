#pragma once

#include <QDateTime>
#include <QString>

#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"

namespace orven::double_solver {

// The default answer of the file-name prompt that precedes the results file.
QString defaultFileName();  // "ORVEN DOUBLE"

// The experiment's name in the results file: "ΠΕΙΡΑΜΑ 1" for code 0 (or none), "ΠΕΙΡΑΜΑ 3" for
// code 1, "ΠΕΙΡΑΜΑ 2" for every other code, the drawn rates (4) among them.
QString experimentTitle(int experimentCode);

// The block that one run appends to its results file: the header with the populations of the
// four reduced classes, the rate table A (class 1 with the equivalent rates), the
// probabilities Β, the output rates Γ and the mean output Δ: 30 lines.
ResultsBlock findXallBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                           int experimentCode, const QDateTime& when);

}  // namespace orven::double_solver
