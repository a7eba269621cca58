#pragma once

#include <QString>
#include <vector>

#include "orven/aggregation/solver_state.h"
#include "orven/solver_kit/run_summary.h"

namespace orven::double_solver {

// The headings of the summary window's twelve lists: a/a, Πείραμα, R, N1', N2', N3', Ν4', λ1,
// λ2, λ3, λ4, Χ.
std::vector<QString> summaryHeadings();

// A run's row of eleven columns: 0 the experiment number (1 for code 0, 2 for code 2, 3 for
// code 1, 4 for drawn rates), 1 R, 2..5 N(1..4) of the reduced network, 6..9 the preset rates
// of classes 1..4 truncated to 3 decimals (empty for drawn rates), 10 S truncated to 4 decimals.
solver_kit::RunSummary::Row summaryRow(int experimentCode, const aggregation::SolverState& state,
                                       double S);

}  // namespace orven::double_solver
