#pragma once

#include <QString>
#include <vector>

#include "orven/aggregation/solver_state.h"
#include "orven/solver_kit/run_summary.h"

namespace orven::simple_solver {

// The headings of the summary window's ten lists: a/a, Πείραμα, R, N1, N2, N3, μ1, μ2, μ3, Χ.
std::vector<QString> summaryHeadings();

// A run's row of nine columns: 0 the experiment number (1 for code 0, 2 for code 2, 3 for
// code 1), 1 R, 2..4 N(1..3), 5..7 the preset rates of classes 1..3 (truncated to 3
// decimals), 8 S truncated to 4 decimals. The population of a class beyond R stays empty.
solver_kit::RunSummary::Row summaryRow(int experimentCode, const aggregation::SolverState& state,
                                       double S);

}  // namespace orven::simple_solver
