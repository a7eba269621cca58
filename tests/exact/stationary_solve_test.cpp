#include <gtest/gtest.h>

#include <cmath>

#include "orven/exact/exact_error.h"
#include "orven/exact/markov_chain.h"

using namespace orven::exact;

namespace {

// Two independent birth-death queues with room for `capacity` jobs each: queue k gains a job at
// rate up[k] and loses one at rate down[k]. The stationary distribution is the product of two
// truncated geometric distributions, with ratios up[k] / down[k].
struct TwoQueues {
    int capacity;
    double up[2];
    double down[2];

    TransitionLister moves() const {
        return [this](const State& state, std::vector<Transition>& out) {
            for (std::size_t k = 0; k < 2; ++k) {
                if (state[k] < capacity) {
                    Transition move{state, up[k], 0};
                    ++move.target[k];
                    out.push_back(move);
                }
                if (state[k] > 0) {
                    Transition move{state, down[k], 0};
                    --move.target[k];
                    out.push_back(move);
                }
            }
        };
    }

    double probability(const State& state) const {
        double p = 1;
        for (std::size_t k = 0; k < 2; ++k) {
            const double ratio = up[k] / down[k];
            const double total = (1 - std::pow(ratio, capacity + 1)) / (1 - ratio);
            p *= std::pow(ratio, state[k]) / total;
        }
        return p;
    }
};

}  // namespace

TEST(StationarySolve, EveryMethodFindsTheProductFormOfIndependentQueues) {
    const std::vector<TwoQueues> models{
        {10, {1.0, 0.3}, {2.0, 0.25}},
        {45, {1.0, 0.5}, {1.1, 0.45}},
        // probabilities spanning some 45 orders of magnitude
        {50, {0.1, 7.0}, {1.0, 0.9}},
    };
    const std::vector<SolveSettings> settings{
        {SolveMethod::Direct},
        {SolveMethod::Iterative},
        kTwoDimensionalSettings,
    };
    for (const TwoQueues& model : models) {
        const MarkovChain chain = MarkovChain::enumerate(State{}, model.moves(), kMaxStates);
        ASSERT_EQ(chain.stateCount(),
                  static_cast<std::size_t>((model.capacity + 1) * (model.capacity + 1)));
        for (std::size_t k = 0; k < settings.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "capacity " << model.capacity << ", settings " << k);
            const StationaryDistribution solution = solveStationary(chain, settings[k]);
            EXPECT_LE(solution.sumError, kMaxSumError);
            EXPECT_LE(solution.balanceResidual, kMaxBalanceResidual);
            double worst = 0;
            for (std::size_t s = 0; s < chain.stateCount(); ++s) {
                worst = std::max(worst, std::fabs(solution.probabilities[s] -
                                                  model.probability(chain.state(s))));
            }
            EXPECT_LT(worst, 1e-13);
        }
    }
}

// The direct solve keeps tiny probabilities to nearly full relative precision: here they
// span some 280 orders of magnitude, where an elimination that subtracts on the diagonal
// would leave errors near 1E-17 (absolute) in every one of them.
TEST(StationarySolve, TheDirectSolveKeepsTinyProbabilitiesToTheirRelativePrecision) {
    const TwoQueues model{40, {1e-3, 1.0}, {1.0, 1e3}};
    const MarkovChain chain = MarkovChain::enumerate(State{}, model.moves(), kMaxStates);
    const StationaryDistribution solution = solveStationary(chain, {SolveMethod::Direct});
    double worst = 0;
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        const double expected = model.probability(chain.state(s));
        ASSERT_GT(expected, 1e-300);
        worst = std::max(worst, std::fabs(solution.probabilities[s] / expected - 1.0));
    }
    EXPECT_LT(worst, 1e-11);
}

TEST(StationarySolve, FiringRatesCountOnlyTheMovesOfTheirStation) {
    // A ring of three states; the move out of state 1 fires station 1, out of state 2 both.
    const TransitionLister ring = [](const State& state, std::vector<Transition>& out) {
        State next = state;
        next[0] = static_cast<std::int16_t>((state[0] + 1) % 3);
        const std::uint8_t firings = state[0] == 1 ? 1 : state[0] == 2 ? 3 : 0;
        out.push_back({next, 1.0 + state[0], firings});
    };
    const MarkovChain chain = MarkovChain::enumerate(State{}, ring, 10);
    const StationaryDistribution solution = solveStationary(chain);
    // p proportional to 1/rate: (1, 1/2, 1/3) / (11/6); each state is left at flow 6/11.
    EXPECT_NEAR(solution.probabilities[0], 6.0 / 11, 1e-15);
    EXPECT_NEAR(firingRate(chain, solution, 1), 12.0 / 11, 1e-15);
    EXPECT_NEAR(firingRate(chain, solution, 2), 6.0 / 11, 1e-15);
}
