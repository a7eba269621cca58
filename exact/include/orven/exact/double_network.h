#pragma once

#include <array>
#include <atomic>
#include <vector>

#include "orven/exact/exact_solution.h"

namespace orven::exact {

// The double network in the numbering of its simulator. Six queues: station 1 joins queues 1,
// 2 and 3 and puts the joined job into queue 5; station 2 joins queues 4, 5 and 6 and lets the
// job leave. Four sources with loop populations N(1) .. N(4): source k feeds queue k, and every
// completion of source 3 also puts a job into queue 6. Source k sends at mu(k, level(k)) with
// the levels n(1), n(2) + n(5), n(3), n(4); it is idle at level(k) = N(k), and source 3 is
// also blocked while queue 6 holds N(3) jobs. After a completion station 1 fires if it can,
// then station 2.
struct DoubleNetworkSolution : ExactSolution {
    std::vector<int> populations;          // N(1) .. N(4)
    std::array<double, 2> throughputs{};   // firings of stations 1 and 2 per unit of time
    std::vector<double> sumOfQueues2And5;  // [m] = probability that n(2) + n(5) = m
};

// Solves the network for four populations from 1 to 32767 and rates[k - 1][n] = mu(k, n) for
// n < N(k). Throws ExactError and Cancelled like solveSimpleNetwork.
DoubleNetworkSolution solveDoubleNetwork(const std::vector<int>& populations,
                                         const RateTable& rates,
                                         const std::atomic<bool>* cancel = nullptr);

}  // namespace orven::exact
