#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "orven/exact/exact_error.h"
#include "orven/exact/exact_solution.h"

namespace orven::exact {

// Which network a model is of: the simple one (2 to 4 classes at one synchronization station)
// or the double one in the numbering of its simulator (four loop populations).
enum class Network { Simple, Double };

// A network, its populations and its rates: what a solver or a simulator ran, as the exact
// solution takes it.
struct Model {
    Network network = Network::Simple;
    std::vector<int> populations;
    RateTable rates;  // rates[i - 1][n] = mu(i, n) for n < N(i)

    friend bool operator==(const Model&, const Model&) = default;
};

// The exact figures that stand beside a solver's or a simulator's.
struct Reference {
    std::size_t stateCount = 0;
    // Firings per unit of time of synchronization station 1 (and 2, in the double network).
    std::vector<double> throughputs;
    // marginals[k - 1][n]: the probability that queue k holds n jobs.
    std::vector<std::vector<double>> marginals;
    // The double network only: [m] = the probability that n(2) + n(5) = m.
    std::vector<double> sumOfQueues2And5;
};

// Solves a model. Throws ExactError when the exact solution refuses it, and Cancelled once
// `cancel` is set.
Reference solveModel(const Model& model, const std::atomic<bool>* cancel = nullptr);

// Throws Cancelled when `cancel` is set.
inline void throwIfCancelled(const std::atomic<bool>* cancel) {
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) throw Cancelled{};
}

}  // namespace orven::exact
