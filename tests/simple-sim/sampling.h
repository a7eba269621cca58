#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "orven/simple_sim/setup.h"

namespace orven::simple_sim::testing {

// Every estimate of one run of a preset experiment, seeded and headless, as one vector:
// P(1..3, 0..Nmax) row after row, then X.
std::vector<double> simulateEstimates(const std::array<int, kSources>& populations, int experiment,
                                      float length, std::uint64_t seed);

// The sample standard deviation of each estimate over independent runs, divided by `shrink`,
// and never below the four-decimal rounding of the estimates.
std::vector<double> spreadOf(const std::vector<std::vector<double>>& runs, double shrink = 1.0);

}  // namespace orven::simple_sim::testing
