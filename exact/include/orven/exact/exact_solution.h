#pragma once

#include <cstddef>
#include <vector>

namespace orven::exact {

// Rates of the sources by level: rates[i - 1][n] = mu(i, n), the rate of source (class) i while
// n of its jobs wait downstream. Entries n = 0 .. N(i) - 1 are used; mu(i, N(i)) and beyond
// are ignored, since a source whose jobs all wait sends nothing.
using RateTable = std::vector<std::vector<double>>;

// What both networks' solutions share: the size of the chain, its self-checks and the
// long-run probabilities of every queue length.
struct ExactSolution {
    std::size_t stateCount = 0;
    double sumError = 0;         // |sum of the state probabilities - 1|
    double balanceResidual = 0;  // largest relative violation of global balance
    // marginals[k - 1][n] = probability that queue k holds n jobs, n = 0 .. the queue's limit.
    std::vector<std::vector<double>> marginals;

    // P(k, n) with the queue numbered from 1, as the solvers and simulators number it; 0 for
    // a length the queue never reaches.
    double P(int queue, int n) const;
};

}  // namespace orven::exact
