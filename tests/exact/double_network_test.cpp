#include <gtest/gtest.h>

#include "orven/exact/double_network.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"

using namespace orven::exact;

namespace {

double mean(const std::vector<double>& distribution) {
    double total = 0;
    for (std::size_t n = 0; n < distribution.size(); ++n)
        total += static_cast<double>(n) * distribution[n];
    return total;
}

}  // namespace

// All four loops of one job at rate 1: 16 states. The figures were found by solving the 16
// balance equations in rational arithmetic.
TEST(DoubleNetwork, FourLoopsOfOneJobMatchTheRationalSolution) {
    const auto solution = solveDoubleNetwork({1, 1, 1, 1}, doubleSimulatorRates(0, {1, 1, 1, 1}));
    EXPECT_EQ(solution.stateCount, 16u);
    EXPECT_NEAR(solution.throughputs[0], 138.0 / 283.0, 1e-13);
    EXPECT_NEAR(solution.throughputs[1], 138.0 / 283.0, 1e-13);
    const double busy[6] = {145, 109, 109, 145, 36, 145};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_NEAR(solution.P(k, 1), busy[k - 1] / 283.0, 1e-13) << "queue " << k;
        EXPECT_NEAR(solution.P(k, 0), 1 - busy[k - 1] / 283.0, 1e-13) << "queue " << k;
    }
    EXPECT_NEAR(solution.sumOfQueues2And5[1], (109.0 + 36.0) / 283.0, 1e-13);
}

TEST(DoubleNetwork, UnequalLoopsMatchTheRationalSolution) {
    const auto solution = solveDoubleNetwork({2, 1, 2, 1}, doubleSimulatorRates(1, {2, 1, 2, 1}));
    EXPECT_EQ(solution.stateCount, 34u);
    EXPECT_NEAR(solution.throughputs[0], 199460977064488477949.0 / 1761279362237416407509.0, 1e-13);
    EXPECT_NEAR(solution.P(3, 2), 498801703682272797029.0 / 8806396811187082037545.0, 1e-13);
    EXPECT_NEAR(solution.P(6, 2), 963435453979462495713.0 / 1761279362237416407509.0, 1e-13);
    EXPECT_NEAR(solution.P(5, 1), 5809619079783373286272.0 / 8806396811187082037545.0, 1e-13);
}

// Each source delivers, in the long run, exactly as many jobs as its station takes: sources
// 1 to 3 at station 1's rate, source 4 at station 2's, and both stations fire equally often.
// With the preset rates, source 3 sends at its rate unless queue 6 is full (queue 6 is never
// shorter than queue 3).
TEST(DoubleNetwork, EverySourceDeliversAtItsStationsThroughput) {
    const std::vector<std::vector<int>> models{{5, 5, 5, 5}, {3, 6, 4, 2}, {7, 2, 3, 5}};
    for (const auto& populations : models) {
        for (int experiment = 0; experiment <= 2; ++experiment) {
            SCOPED_TRACE(testing::Message()
                         << "experiment " << experiment << ", N1 = " << populations[0]);
            const RateTable mu = doubleSimulatorRates(experiment, populations);
            const auto solution = solveDoubleNetwork(populations, mu);
            EXPECT_LE(solution.sumError, 1e-12);
            EXPECT_LE(solution.balanceResidual, 1e-9);
            const double station1 = solution.throughputs[0];
            EXPECT_NEAR(solution.throughputs[1], station1, 1e-12);

            double source1 = 0, source2 = 0, source4 = 0;
            for (int n = 0; n < populations[0]; ++n) source1 += solution.P(1, n) * mu[0][n];
            for (int n = 0; n < populations[1]; ++n) {
                source2 += solution.sumOfQueues2And5[static_cast<std::size_t>(n)] * mu[1][n];
            }
            for (int n = 0; n < populations[3]; ++n) source4 += solution.P(4, n) * mu[3][n];
            const double source3 = mu[2][0] * (1 - solution.P(6, populations[2]));
            EXPECT_NEAR(source1, station1, 1e-12);
            EXPECT_NEAR(source2, station1, 1e-12);
            EXPECT_NEAR(source3, station1, 1e-12);
            EXPECT_NEAR(source4, station1, 1e-12);
        }
    }
}

// Queue 6 gains a job with every job of queue 3 and loses one with every job of queue 5, so
// n(6) = n(3) + n(5) in every state, and the sum of queues 2 and 5 is what its name says.
TEST(DoubleNetwork, MeanQueueLengthsKeepTheNetworksIdentities) {
    const std::vector<int> populations{4, 6, 5, 3};
    const auto solution = solveDoubleNetwork(populations, doubleSimulatorRates(2, populations));
    const auto& m = solution.marginals;
    EXPECT_NEAR(mean(m[5]), mean(m[2]) + mean(m[4]), 1e-12);
    EXPECT_NEAR(mean(solution.sumOfQueues2And5), mean(m[1]) + mean(m[4]), 1e-12);
    ASSERT_EQ(solution.sumOfQueues2And5.size(), 7u);
    ASSERT_EQ(m[4].size(), 6u);  // queue 5 holds at most min(N2, N3) jobs
}

// When source 4 is very fast, queue 4 is always full, station 2 takes every joined job at
// once, and the first three loops behave as the simple network of three classes.
TEST(DoubleNetwork, AnInstantFourthSourceLeavesTheSimpleNetwork) {
    const std::vector<int> populations{4, 3, 5, 2};
    RateTable mu = doubleSimulatorRates(2, populations);
    mu[3].assign(3, 1e7);
    const auto doubleSolution = solveDoubleNetwork(populations, mu);
    const auto simpleSolution = solveSimpleNetwork({4, 3, 5}, simpleSimulatorRates(2, {4, 3, 5}));
    EXPECT_NEAR(doubleSolution.throughputs[0], simpleSolution.throughput, 1e-5);
    for (int k = 1; k <= 3; ++k) {
        for (int n = 0; n <= populations[k - 1]; ++n) {
            EXPECT_NEAR(doubleSolution.P(k, n), simpleSolution.P(k, n), 1e-5);
        }
    }
    EXPECT_NEAR(doubleSolution.P(4, 2), 1.0, 1e-5);
}
