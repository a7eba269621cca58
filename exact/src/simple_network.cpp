#include "orven/exact/simple_network.h"

#include <string>

#include "model_inputs.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/markov_chain.h"
#include "orven/exact/model.h"

namespace orven::exact {

namespace {

TransitionLister simpleNetworkMoves(const std::vector<int>& populations, const RateTable& rates) {
    return [&populations, &rates](const State& state, std::vector<Transition>& out) {
        const std::size_t classes = populations.size();
        for (std::size_t i = 0; i < classes; ++i) {
            if (state[i] >= populations[i]) continue;
            Transition move{state, rates[i][static_cast<std::size_t>(state[i])], 0};
            ++move.target[i];
            bool everyQueueHoldsAJob = true;
            for (std::size_t j = 0; j < classes; ++j) everyQueueHoldsAJob &= move.target[j] > 0;
            if (everyQueueHoldsAJob) {
                for (std::size_t j = 0; j < classes; ++j) --move.target[j];
                move.firings = 1;
            }
            out.push_back(move);
        }
    };
}

}  // namespace

SimpleNetworkSolution solveSimpleNetwork(const std::vector<int>& populations,
                                         const RateTable& rates, const std::atomic<bool>* cancel) {
    if (populations.size() < 2 || populations.size() > 4) {
        throw ExactError("The simple network needs 2, 3 or 4 classes, not " +
                         std::to_string(populations.size()) + ".");
    }
    checkModelInputs(populations, rates);

    const MarkovChain chain =
        MarkovChain::enumerate(State{}, simpleNetworkMoves(populations, rates), kMaxStates);
    throwIfCancelled(cancel);
    // With at most 3 classes every state lies on one of the two-dimensional faces of the box
    // of queue lengths where one queue is empty.
    const StationaryDistribution distribution =
        solveStationary(chain, populations.size() <= 3 ? kTwoDimensionalSettings : SolveSettings{});

    throwIfCancelled(cancel);

    SimpleNetworkSolution solution;
    solution.populations = populations;
    solution.stateCount = chain.stateCount();
    solution.sumError = distribution.sumError;
    solution.balanceResidual = distribution.balanceResidual;
    solution.throughput = firingRate(chain, distribution, 1);
    for (const int population : populations) {
        solution.marginals.emplace_back(static_cast<std::size_t>(population) + 1, 0.0);
    }
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        for (std::size_t i = 0; i < populations.size(); ++i) {
            solution.marginals[i][static_cast<std::size_t>(chain.state(s)[i])] +=
                distribution.probabilities[s];
        }
    }
    return solution;
}

}  // namespace orven::exact
