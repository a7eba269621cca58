#pragma once

#include <cstddef>
#include <vector>

#include "orven/aggregation/table.h"
#include "orven/plots/plot_series.h"
#include "orven/sim/state_table.h"

namespace orven::plots {

// Rates by source or class as the exact solution takes them: rates[i - 1][n] = mu(i, n) for
// n = 0 .. N(i) - 1.
using Rates = std::vector<std::vector<double>>;

// The rates of classes 1..N.size() from a solver's table or a simulator's: N[i - 1] = N(i).
Rates ratesOf(const aggregation::Table& mu, const std::vector<int>& N);
Rates ratesOf(const sim::RateTable& mu, const std::vector<int>& N);

// The simple network (classes 1..N.size() at one synchronization station) solved exactly: the
// exact P(n) of class i's queue as series i - 1, with points[i - 1] entries (a length the queue
// never reaches has probability 0). A model the exact solution refuses gives no series and the
// reason, in Greek.
ExactValues exactSimpleNetwork(const std::vector<int>& N, const Rates& rates,
                               const std::vector<std::size_t>& points);

// The row of the double network that stands for the jobs in queues 2 and 5 together.
inline constexpr int kQueues2And5 = 7;

// The double network (four loop populations, six queues) solved exactly: one series per entry of
// `queues`, each a queue 1..6 or kQueues2And5, with `points` entries.
ExactValues exactDoubleNetwork(const std::vector<int>& N, const Rates& rates,
                               const std::vector<int>& queues, std::size_t points);

}  // namespace orven::plots
