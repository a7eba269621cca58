#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "orven/simple_sim/setup.h"
#include "statistical_error.h"

namespace orven::simple_sim::testing {

// Every estimate of one run of a preset experiment, seeded and headless, as one vector:
// P(1..3, 0..Nmax) row after row, then X.
std::vector<double> simulateEstimates(const std::array<int, kSources>& populations, int experiment,
                                      float length, std::uint64_t seed);

using sim::testing::spreadOf;

}  // namespace orven::simple_sim::testing
