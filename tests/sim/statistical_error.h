#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace orven::sim::testing {

// Every estimate of one seeded, headless run of a given length, as one vector.
using Estimator = std::function<std::vector<double>(float length, std::uint64_t seed)>;

// The sample standard deviation of each estimate over independent runs, divided by `shrink`,
// and never below the four-decimal rounding of the estimates.
std::vector<double> spreadOf(const std::vector<std::vector<double>>& runs, double shrink = 1.0);

// The standard error of each estimate of a run of `length`: the spread over `replications`
// runs of `replicaLength` (seeds firstSeed, firstSeed + 1, ...), which falls with the square
// root of the run length.
std::vector<double> standardErrors(const Estimator& estimator, float length, float replicaLength,
                                   int replications, std::uint64_t firstSeed);

// Expects every estimate within `errorsAllowed` standard errors of its exact value, and every
// standard error below `noisiest`, so that the comparison can tell a fault from noise.
void expectWithinErrors(const std::vector<double>& estimates, const std::vector<double>& exact,
                        const std::vector<double>& errors, double errorsAllowed, double noisiest);

}  // namespace orven::sim::testing
