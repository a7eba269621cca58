#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"

using namespace orven::exact;

namespace {

// With two classes the network is a birth-death chain in d = n(1) - n(2), d = -N2 .. N1:
// d rises when class 1 delivers and falls when class 2 delivers. Solved here by its product
// form, independently of the general solve.
struct BirthDeathReference {
    double throughput = 0;
    std::vector<double> p1, p2;
};

BirthDeathReference twoClassReference(int n1, int n2, const RateTable& mu) {
    const auto up = [&](int d) { return d >= 0 ? (d < n1 ? mu[0][d] : 0.0) : mu[0][0]; };
    const auto down = [&](int d) { return d > 0 ? mu[1][0] : (-d < n2 ? mu[1][-d] : 0.0); };
    std::vector<double> weight(static_cast<std::size_t>(n1 + n2 + 1));
    weight[0] = 1;  // d = -n2
    for (int d = -n2; d < n1; ++d) {
        const auto k = static_cast<std::size_t>(d + n2);
        weight[k + 1] = weight[k] * up(d) / down(d + 1);
    }
    const double total = std::accumulate(weight.begin(), weight.end(), 0.0);
    BirthDeathReference ref;
    ref.p1.assign(static_cast<std::size_t>(n1) + 1, 0.0);
    ref.p2.assign(static_cast<std::size_t>(n2) + 1, 0.0);
    for (int d = -n2; d <= n1; ++d) {
        const double p = weight[static_cast<std::size_t>(d + n2)] / total;
        ref.p1[static_cast<std::size_t>(std::max(d, 0))] += p;
        ref.p2[static_cast<std::size_t>(std::max(-d, 0))] += p;
        if (d > 0) ref.throughput += p * mu[1][0];
        if (d < 0) ref.throughput += p * mu[0][0];
    }
    return ref;
}

RateTable constantRates(const std::vector<int>& populations, const std::vector<double>& rate) {
    RateTable mu;
    for (std::size_t i = 0; i < populations.size(); ++i) {
        mu.emplace_back(static_cast<std::size_t>(populations[i]) + 1, rate[i]);
        mu.back().back() = 0;
    }
    return mu;
}

}  // namespace

TEST(SimpleNetwork, TwoEqualClassesOfFiveGiveTenElevenths) {
    const auto solution = solveSimpleNetwork({5, 5}, constantRates({5, 5}, {1, 1}));
    EXPECT_NEAR(solution.throughput, 10.0 / 11.0, 1e-12);
    EXPECT_EQ(solution.stateCount, 11u);
    for (int n = 0; n <= 5; ++n) EXPECT_NEAR(solution.P(1, n), n == 0 ? 6.0 / 11 : 1.0 / 11, 1e-12);
}

TEST(SimpleNetwork, TwoClassesAgreeWithTheirBirthDeathChain) {
    struct Case {
        int n1, n2;
        RateTable mu;
    };
    const std::vector<Case> cases{
        {2, 3, constantRates({2, 3}, {1, 2})},
        {1, 7, constantRates({1, 7}, {0.3, 5})},
        {6, 4, {{1.0, 0.9, 0.5, 2.0, 0.1, 3.0, 0.0}, {0.7, 1.4, 0.2, 4.0, 0.0}}},
        {30, 30, constantRates({30, 30}, {1, 1.0 / 1.1})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N = (" << c.n1 << ", " << c.n2 << ")");
        const auto solution = solveSimpleNetwork({c.n1, c.n2}, c.mu);
        const auto ref = twoClassReference(c.n1, c.n2, c.mu);
        EXPECT_EQ(solution.stateCount, static_cast<std::size_t>(c.n1 + c.n2 + 1));
        EXPECT_NEAR(solution.throughput, ref.throughput, 1e-12);
        for (int n = 0; n <= c.n1; ++n) EXPECT_NEAR(solution.P(1, n), ref.p1[n], 1e-12);
        for (int n = 0; n <= c.n2; ++n) EXPECT_NEAR(solution.P(2, n), ref.p2[n], 1e-12);
    }
}

// Three classes of one job each, rates 1. The states are the empty station (c), one job
// waiting (a, three states) and two jobs waiting (b, three states). Balance: 3c = 3b at the
// empty state, 2a = c at a one-job state, b = 2a at a two-job state, so a = 1/11 and
// b = c = 2/11. The station fires from each two-job state at rate 1: 6/11. A queue holds its
// job in one one-job state and two two-job states: 5/11.
TEST(SimpleNetwork, ThreeClassesOfOneJobWorkedByHand) {
    const auto solution = solveSimpleNetwork({1, 1, 1}, constantRates({1, 1, 1}, {1, 1, 1}));
    EXPECT_EQ(solution.stateCount, 7u);
    EXPECT_NEAR(solution.throughput, 6.0 / 11.0, 1e-14);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(solution.P(i, 0), 6.0 / 11.0, 1e-14);
        EXPECT_NEAR(solution.P(i, 1), 5.0 / 11.0, 1e-14);
    }
}

TEST(SimpleNetwork, EqualClassesHaveEqualMarginals) {
    for (const std::vector<int>& populations :
         std::vector<std::vector<int>>{{4, 4, 4}, {6, 6, 6, 6}, {3, 3}}) {
        RateTable mu;
        for (std::size_t i = 0; i < populations.size(); ++i)
            mu.push_back({1.0, 0.8, 1.5, 0.6, 2, 1, 0.9});
        const auto solution = solveSimpleNetwork(populations, mu);
        for (std::size_t i = 2; i <= populations.size(); ++i) {
            for (int n = 0; n <= populations[0]; ++n) {
                EXPECT_NEAR(solution.P(static_cast<int>(i), n), solution.P(1, n), 1e-13);
            }
        }
    }
}

TEST(SimpleNetwork, PermutingTheClassesPermutesTheMarginals) {
    const std::vector<int> populations{3, 5, 4};
    const RateTable mu{{1.0, 0.5, 2.0}, {0.3, 0.9, 1.1, 0.7, 0.2}, {2.0, 0.1, 0.6, 1.3}};
    const std::vector<std::size_t> order{2, 0, 1};
    std::vector<int> permutedPopulations;
    RateTable permutedRates;
    for (const std::size_t k : order) {
        permutedPopulations.push_back(populations[k]);
        permutedRates.push_back(mu[k]);
    }
    const auto a = solveSimpleNetwork(populations, mu);
    const auto b = solveSimpleNetwork(permutedPopulations, permutedRates);
    EXPECT_NEAR(a.throughput, b.throughput, 1e-13);
    for (std::size_t j = 0; j < order.size(); ++j) {
        for (int n = 0; n <= populations[order[j]]; ++n) {
            EXPECT_NEAR(b.P(static_cast<int>(j) + 1, n), a.P(static_cast<int>(order[j]) + 1, n),
                        1e-13);
        }
    }
}

// Every job a class delivers leaves with one firing, so each class's delivery rate
// sum over n of P(i, n) mu(i, n) equals the station's throughput.
TEST(SimpleNetwork, EveryClassDeliversAtTheStationThroughput) {
    // The last model is large enough for the iterative solve.
    const std::vector<std::vector<int>> models{
        {5, 5, 5}, {3, 7}, {4, 2, 6, 3}, {12, 9, 10}, {11, 11, 11, 11}};
    for (const auto& populations : models) {
        for (int experiment = 0; experiment <= 2; ++experiment) {
            SCOPED_TRACE(testing::Message()
                         << "classes " << populations.size() << ", experiment " << experiment);
            const RateTable mu = simpleSimulatorRates(experiment, populations);
            const auto solution = solveSimpleNetwork(populations, mu);
            EXPECT_LE(solution.sumError, 1e-12);
            EXPECT_LE(solution.balanceResidual, 1e-9);
            for (std::size_t i = 0; i < populations.size(); ++i) {
                double delivered = 0;
                for (int n = 0; n < populations[i]; ++n) {
                    delivered += solution.P(static_cast<int>(i) + 1, n) * mu[i][n];
                }
                EXPECT_NEAR(delivered, solution.throughput, 1e-12);
            }
        }
    }
}

// Every state has at least one empty queue, and every such vector of lengths is reachable.
TEST(SimpleNetwork, CountsTheStatesWithAnEmptyQueue) {
    for (const std::vector<int>& populations :
         std::vector<std::vector<int>>{{5, 5, 5}, {2, 9}, {3, 1, 4, 2}, {10, 20, 5}}) {
        std::size_t all = 1, full = 1;
        for (const int n : populations) {
            all *= static_cast<std::size_t>(n + 1);
            full *= static_cast<std::size_t>(n);
        }
        const auto solution = solveSimpleNetwork(populations, simpleSimulatorRates(0, populations));
        EXPECT_EQ(solution.stateCount, all - full);
    }
}
