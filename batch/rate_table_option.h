#pragma once

#include <string>
#include <vector>

#include "orven/exact/exact_solution.h"

namespace orven::batch {

// A rate table given as JSON, in the text itself or in the file it names: one array of rates
// per class (source), the rate with 0, 1, ... jobs waiting. A text that is neither is refused
// (CLI::ValidationError).
exact::RateTable rateTableOption(const std::string& text);

// Why a rate table does not fit the populations, or "": no row may hold more than N(i) rates
// (levels 0 to N(i) - 1), and some class must be able to send its first job.
std::string rateTableProblem(const exact::RateTable& rates, const std::vector<int>& populations);

}  // namespace orven::batch
