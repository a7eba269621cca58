#pragma once

#include <QDateTime>
#include <QString>

#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"

namespace orven::simple_solver {

// The default answer of the file-name prompt that precedes the results file.
QString defaultFileName();  // "ORVEN SIMPLE " (trailing blank)

// The block that one run appends to its results file: header, rate table A, probabilities Β,
// output rates Γ and the mean output Δ, for classes 1 to R (28 lines for R = 3).
ResultsBlock findXallBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                           int experimentCode, const QDateTime& when);

}  // namespace orven::simple_solver
