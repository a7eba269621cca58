#include "orven/exact/double_network.h"

#include <algorithm>
#include <string>

#include "model_inputs.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/markov_chain.h"
#include "orven/exact/model.h"

namespace orven::exact {

namespace {

// Queue k of the network is entry k - 1 of a state.
constexpr std::size_t q1 = 0, q2 = 1, q3 = 2, q4 = 3, q5 = 4, q6 = 5;

// Level of source k + 1: the jobs of its loop that wait downstream of it.
int levelOf(const State& n, std::size_t source) {
    switch (source) {
        case 0:
            return n[q1];
        case 1:
            return n[q2] + n[q5];  // the loop of source 2 runs on through queue 5
        case 2:
            return n[q3];
        default:
            return n[q4];
    }
}

TransitionLister doubleNetworkMoves(const std::vector<int>& populations, const RateTable& rates) {
    return [&populations, &rates](const State& state, std::vector<Transition>& out) {
        // Queue 6 fills with queue 3 and has the same limit.
        const int limitOfQueue6 = populations[2];
        for (std::size_t k = 0; k < 4; ++k) {
            const int level = levelOf(state, k);
            if (level >= populations[k]) continue;
            if (k == 2 && state[q6] >= limitOfQueue6) continue;
            Transition move{state, rates[k][static_cast<std::size_t>(level)], 0};
            State& n = move.target;
            ++n[k];
            if (k == 2) ++n[q6];
            if (n[q1] > 0 && n[q2] > 0 && n[q3] > 0) {
                --n[q1];
                --n[q2];
                --n[q3];
                ++n[q5];
                move.firings |= 1;
            }
            if (n[q4] > 0 && n[q5] > 0 && n[q6] > 0) {
                --n[q4];
                --n[q5];
                --n[q6];
                move.firings |= 2;
            }
            out.push_back(move);
        }
    };
}

}  // namespace

DoubleNetworkSolution solveDoubleNetwork(const std::vector<int>& populations,
                                         const RateTable& rates, const std::atomic<bool>* cancel) {
    if (populations.size() != 4) {
        throw ExactError("The double network needs 4 populations, not " +
                         std::to_string(populations.size()) + ".");
    }
    checkModelInputs(populations, rates);

    const MarkovChain chain =
        MarkovChain::enumerate(State{}, doubleNetworkMoves(populations, rates), kMaxStates);
    throwIfCancelled(cancel);
    const StationaryDistribution distribution = solveStationary(chain);
    throwIfCancelled(cancel);

    DoubleNetworkSolution solution;
    solution.populations = populations;
    solution.stateCount = chain.stateCount();
    solution.sumError = distribution.sumError;
    solution.balanceResidual = distribution.balanceResidual;
    solution.throughputs = {firingRate(chain, distribution, 1), firingRate(chain, distribution, 2)};

    // Queue 5 holds jobs of loop 2 that also count against queue 6 (n(6) = n(3) + n(5)).
    const std::array<int, 6> limits{populations[0],
                                    populations[1],
                                    populations[2],
                                    populations[3],
                                    std::min(populations[1], populations[2]),
                                    populations[2]};
    for (const int limit : limits)
        solution.marginals.emplace_back(static_cast<std::size_t>(limit) + 1, 0.0);
    solution.sumOfQueues2And5.assign(static_cast<std::size_t>(populations[1]) + 1, 0.0);
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        const State& n = chain.state(s);
        const double p = distribution.probabilities[s];
        for (std::size_t k = 0; k < 6; ++k)
            solution.marginals[k][static_cast<std::size_t>(n[k])] += p;
        solution.sumOfQueues2And5[static_cast<std::size_t>(n[q2] + n[q5])] += p;
    }
    return solution;
}

}  // namespace orven::exact
