#pragma once

#include <cstddef>
#include <vector>

#include "orven/aggregation/table.h"
#include "orven/plots/plot_series.h"

namespace orven::exact {
struct Reference;
}

namespace orven::plots {

// Rates by source or class as the exact solution takes them: rates[i - 1][n] = mu(i, n) for
// n = 0 .. N(i) - 1.
using Rates = std::vector<std::vector<double>>;

// The rates of classes 1..N.size() from a solver's table: N[i - 1] = N(i).
Rates ratesOf(const aggregation::Table& mu, const std::vector<int>& N);

// The simple network (classes 1..N.size() at one synchronization station) solved exactly: the
// exact P(n) of class i's queue as series i - 1, with points[i - 1] entries (a length the queue
// never reaches has probability 0). A model the exact solution refuses gives no series and the
// reason, in Greek.
ExactValues exactSimpleNetwork(const std::vector<int>& N, const Rates& rates,
                               const std::vector<std::size_t>& points);

// The row of the double network that stands for the jobs in queues 2 and 5 together.
inline constexpr int kQueues2And5 = 7;

// The exact values of a solution computed elsewhere (the exact value beside a run's result), for
// the distributions that a plot shows: series s is queue queues[s] of the solution (1..K, or
// kQueues2And5 of the double network) with points[s] entries. A queue the solution does not
// have gives an empty series.
ExactValues exactValuesOf(const exact::Reference& reference, const std::vector<int>& queues,
                          const std::vector<std::size_t>& points);

}  // namespace orven::plots
