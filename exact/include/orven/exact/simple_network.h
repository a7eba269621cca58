#pragma once

#include <atomic>
#include <vector>

#include "orven/exact/exact_solution.h"

namespace orven::exact {

// The simple network: R classes meet at one synchronization station. The state is the vector
// of queue lengths at the station; source i adds a job at rate mu(i, n(i)) while n(i) < N(i),
// and the station fires at once when no queue is empty.
struct SimpleNetworkSolution : ExactSolution {
    std::vector<int> populations;  // N(1) .. N(R)
    double throughput = 0;         // firings of the synchronization station per unit of time
};

// Solves the network with R = populations.size() classes (2, 3 or 4), every population from 1
// to 32767, and rates[i - 1][n] = mu(i, n) for n < N(i). Throws ExactError with a message for
// the user when the inputs are out of range, the chain has more than kMaxStates states, or the
// solution fails its own checks. A set `cancel` flag, read between the steps of the solve, gives
// it up with Cancelled.
SimpleNetworkSolution solveSimpleNetwork(const std::vector<int>& populations,
                                         const RateTable& rates,
                                         const std::atomic<bool>* cancel = nullptr);

}  // namespace orven::exact
