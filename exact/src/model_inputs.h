#pragma once

#include <vector>

#include "orven/exact/exact_solution.h"

namespace orven::exact {

// Throws ExactError unless every population is a whole number from 1 to 32767 and the rate
// table has one row per population holding a finite rate of at least 0 for every level below
// that population.
void checkModelInputs(const std::vector<int>& populations, const RateTable& rates);

}  // namespace orven::exact
