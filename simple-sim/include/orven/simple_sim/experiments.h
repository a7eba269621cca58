#pragma once

#include <array>

#include "orven/simple_sim/setup.h"

namespace orven::simple_sim {

// The rate table `mu`(i, n) of a preset experiment (0, 1 or 2) for whole populations:
// populations[i - 1] is N(i); the table has columns 0..max N(i) and rows i = 1..3.
// The reference solutions of the network use it to solve the simulator's own experiments.
RateTable experimentRates(int experiment, const std::array<int, kSources>& populations);

}  // namespace orven::simple_sim
