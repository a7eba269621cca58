#pragma once

#include <string>
#include <vector>

#include "orven/plots/sweep_table.h"
#include "sweep_row.h"

namespace orven::batch {

// What `orven-batch sweep --plot` draws of the rows of a sweep of `subcommand`: the main output
// (S of a solver, X of the simple simulator, X1 of the double one) against the first input
// that varies, the inputs equal to it in every row going with it on the axis ("N1 = N2 = N3");
// one curve for each value of the other inputs that vary, with the 95 % half-widths and the
// exact values where the rows have them. A row without an output leaves a gap (NaN) in its
// curve; the inputs that every row shares go into the title.
// Throws std::invalid_argument, with a sentence for the command line, when no input varies or
// the first that varies is not a number in every row.
plots::SweepTable sweepPlotTable(const std::string& subcommand, const std::vector<SweepRow>& rows);

}  // namespace orven::batch
