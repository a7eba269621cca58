#pragma once

#include <QString>

#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"

namespace orven::solver_kit {

// One row of the rate table A or the probabilities Β: every entry n = 0..last rounded to 4
// decimals, in message form, followed by two blanks; the whole row is one text item.
QString roundedRow(const aggregation::Table& table, int i, int last);

// One row of the output rates Γ: every entry n = 0..last truncated to 3 decimals, in message
// form, with no separator (the leading blank of each number separates them).
QString truncatedRow(const aggregation::Table& Xout, int i, int last);

// The tables that both solvers write after their own header, for classes 1..R over the states
// 0..Nmax: the rates A, the probabilities Β, the output rates Γ, and the mean output Δ under
// its heading (the two programs write that heading differently), S rounded to 4 decimals.
void appendResultTables(ResultsBlock& block, const aggregation::SolverState& state,
                        const aggregation::Table& Xout, const QString& meanOutputHeading);

}  // namespace orven::solver_kit
