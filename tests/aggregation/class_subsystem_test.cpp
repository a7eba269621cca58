#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "class_model.h"
#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/aggregation/solver_state.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::SolverState;

namespace {

// A model of R = populations.size() classes with the rates of an experiment, sized for the
// iteration (Na found, x, P, Q and P0 at 0).
SolverState model(const std::vector<int>& populations, int code = 0) {
    SolverState state = orven::testing::classModel(populations, code);
    aggregation::prepareIteration(state);
    return state;
}

void setPartnerRates(SolverState& state, int i, const std::vector<double>& rates) {
    for (std::size_t m = 0; m < rates.size(); ++m) state.x(i, static_cast<int>(m)) = rates[m];
}

// The class subsystem exactly as the method states it: products and powers formed directly.
struct PlainClass {
    double P0;
    std::vector<double> P, Q;
};

PlainClass plainSolve(const SolverState& s, int i) {
    const int N = s.N[i];
    const int Na = s.Na[i];
    auto partnerTerm = [&](int m) {
        double product = 1;
        for (int k = 0; k < m; ++k) product *= s.x(i, k);
        return product / std::pow(s.mu(i, 0), m);
    };
    auto ownTerm = [&](int n) {
        double product = 1;
        for (int k = 0; k < n; ++k) product *= s.mu(i, k);
        return product / std::pow(s.x(i, 0), n);
    };
    double G = 1;
    for (int m = 1; m <= Na; ++m) G += partnerTerm(m);
    for (int n = 1; n <= N; ++n) G += ownTerm(n);
    PlainClass out{1 / G, std::vector<double>(N + 1), std::vector<double>(Na + 1)};
    double partnerSum = 1;
    for (int m = 1; m <= Na; ++m) partnerSum += partnerTerm(m);
    out.P[0] = out.P0 * partnerSum;
    for (int n = 1; n <= N; ++n) out.P[n] = out.P0 * ownTerm(n);
    double ownSum = 1;
    for (int n = 1; n <= N; ++n) ownSum += ownTerm(n);
    out.Q[0] = out.P0 * ownSum;
    for (int m = 1; m <= Na; ++m) out.Q[m] = out.P0 * partnerTerm(m);
    return out;
}

// x(i, n) exactly as the method states it: numerator / (A - B).
double plainPartnerRate(const SolverState& s, int i, int n) {
    auto G = [&](int j, int a) {
        double sum = 0;
        for (int b = a; b <= s.N[j]; ++b) sum += s.P(j, b);
        return sum;
    };
    double numerator = 0, A = 1, B = 1;
    for (int j = 1; j <= s.R; ++j) {
        if (j == i) continue;
        double term = s.P(j, n) * s.mu(j, n);
        for (int k = 1; k <= s.R; ++k) {
            if (k != i && k != j) term *= G(k, n + 1);
        }
        numerator += term;
        A *= G(j, n);
        B *= G(j, n + 1);
    }
    return numerator / (A - B);
}

}  // namespace

TEST(FindNa, IsTheSmallestOtherPopulation) {
    struct Case {
        std::vector<int> populations;
        std::vector<int> Na;
    };
    const Case cases[] = {
        {{5, 5, 5}, {5, 5, 5}},       {{5, 3, 4}, {3, 4, 3}}, {{1, 7}, {7, 1}},
        {{9, 2, 6, 4}, {2, 4, 2, 2}}, {{6}, {100000}},
    };
    for (const auto& c : cases) {
        const SolverState state = model(c.populations);
        for (std::size_t i = 1; i <= c.populations.size(); ++i) EXPECT_EQ(state.Na[i], c.Na[i - 1]);
    }
}

TEST(ClassSubsystem, WorkedExampleOfTwoJobsPerClass) {
    SolverState state = model({2, 2, 2});
    for (int i = 1; i <= 3; ++i) {
        setPartnerRates(state, i, {1, 1, 0});
        aggregation::solveClass(state, i);
        EXPECT_NEAR(state.P0[i], 1.0 / 5, 1e-15);
        for (int n = 0; n <= 2; ++n) {
            const double expected = n == 0 ? 3.0 / 5 : 1.0 / 5;
            EXPECT_NEAR(state.P(i, n), expected, 1e-15);
            EXPECT_NEAR(state.Q(i, n), expected, 1e-15);
        }
    }
    // Both other classes hold (3/5, 1/5, 1/5): (2/25) / (4/25 - 1/25).
    aggregation::estimatePartnerRates(state, 1);
    EXPECT_NEAR(state.x(1, 1), 2.0 / 3, 1e-15);
}

// Where the plain formulas neither overflow nor cancel, the scaled forms give the same values.
TEST(ClassSubsystem, AgreesWithThePlainFormulasWhereTheyAreSound) {
    for (const auto& populations :
         std::vector<std::vector<int>>{{5, 5, 5}, {5, 3, 4}, {8, 6, 7, 5}, {30, 2, 17}}) {
        for (int code : {0, 1, 2}) {
            SolverState state = model(populations, code);
            orven::testing::ScriptedPlatform platform(11);
            for (int i = 1; i <= state.R; ++i) {
                aggregation::randomfirst(state, i, platform);
                aggregation::solveClass(state, i);
                const PlainClass plain = plainSolve(state, i);
                EXPECT_NEAR(state.P0[i] / plain.P0, 1, 1e-9);
                for (int n = 0; n <= state.N[i]; ++n)
                    EXPECT_NEAR(state.P(i, n) / plain.P[n], 1, 1e-9);
                // Both sides share the balanced state; the waiting probabilities are 1 - P(i, 0)
                // and 1 - Q(i, 0).
                EXPECT_NEAR(state.P(i, 0) + state.Q(i, 0) - state.P0[i], 1, 1e-12);
                EXPECT_NEAR(state.Pwait[i], 1 - state.P(i, 0), 1e-12);
                EXPECT_NEAR(state.Qwait[i], 1 - state.Q(i, 0), 1e-12);
                for (int m = 0; m <= state.Na[i]; ++m) {
                    if (plain.Q[m] > 0) {
                        EXPECT_NEAR(state.Q(i, m) / plain.Q[m], 1, 1e-9);
                    }
                }
            }
            for (int i = 1; i <= state.R; ++i) {
                std::vector<double> expected;
                for (int n = 1; n < state.Na[i]; ++n)
                    expected.push_back(plainPartnerRate(state, i, n));
                aggregation::estimatePartnerRates(state, i);
                for (int n = 1; n < state.Na[i]; ++n) {
                    EXPECT_NEAR(state.x(i, n) / expected[static_cast<std::size_t>(n - 1)], 1, 1e-9)
                        << "class " << i << " n " << n;
                }
            }
        }
    }
}

TEST(ClassSubsystem, LargePopulationsStayFiniteWherePlainPowersOverflow) {
    SolverState state = model({2000, 2000, 2000}, 1);
    // 1 / x(i, 0)^2000 overflows.
    for (int i = 1; i <= 3; ++i) {
        std::vector<double> rates(2000, 0.05);
        rates.push_back(0);
        setPartnerRates(state, i, rates);
        aggregation::solveClass(state, i);
        double sumP = 0;
        for (int n = 0; n <= state.N[i]; ++n) {
            ASSERT_TRUE(std::isfinite(state.P(i, n)));
            sumP += state.P(i, n);
        }
        EXPECT_NEAR(sumP, 1, 1e-9);
        // The plain form loses the whole distribution here.
        const PlainClass plain = plainSolve(state, i);
        EXPECT_FALSE(std::isfinite(plain.P[static_cast<std::size_t>(state.N[i])]) && plain.P0 > 0);
    }
    // With every class's probabilities far out in its tail, the partner rates stay finite.
    for (int i = 1; i <= 3; ++i) {
        aggregation::estimatePartnerRates(state, i);
        for (int n = 1; n < state.Na[i]; ++n) ASSERT_TRUE(std::isfinite(state.x(i, n))) << n;
    }
}

TEST(ClassSubsystem, StatesThatOtherClassesCannotReachFormNoPartnerSets) {
    SolverState state = model({6, 6, 6});
    orven::testing::ScriptedPlatform platform;
    // Class 2 stops at two waiting jobs, class 3 at three: the smallest queue never passes 2.
    state.mu(2, 2) = 0;
    state.mu(3, 3) = 0;
    for (int i = 1; i <= 3; ++i) {
        aggregation::randomfirst(state, i, platform);
        aggregation::solveClass(state, i);
    }
    aggregation::estimatePartnerRates(state, 1);
    EXPECT_GT(state.x(1, 1), 0);
    EXPECT_EQ(state.x(1, 2), 0);  // the smallest queue cannot rise from 2
    for (int n = 3; n < 6; ++n) EXPECT_EQ(state.x(1, n), 0) << n;  // nor ever hold 3
    aggregation::solveClass(state, 1);
    EXPECT_TRUE(std::isfinite(state.P0[1]));
    EXPECT_EQ(state.Q(1, 4), 0);
}

TEST(ClassSubsystem, OnePartnerSetLeavesOnlyTheFirstRateToCorrect) {
    SolverState state = model({5, 1, 5});
    ASSERT_EQ(state.Na[1], 1);
    orven::testing::ScriptedPlatform platform;
    state.iter = 1;
    state.extendIterations(1);
    for (int i = 1; i <= 3; ++i) aggregation::aggregate(state, i, platform);
    // The correction reads the outputs as logarithms.
    state.logS[1] = std::log(0.5);
    state.logTHbar[1] = std::log(0.6);
    for (int i = 1; i <= 3; ++i) state.logTH(i, 1) = std::log(0.4);
    const double before = state.x(1, 0);
    state.iter = 2;
    state.extendIterations(2);
    aggregation::aggregate(state, 1, platform);
    // omega = 1: x(1, 0) * (0.6 / 0.4) * (0.6 / 0.5).
    EXPECT_NEAR(state.x(1, 0), before * 1.5 * 1.2, 1e-15);
    EXPECT_EQ(state.x(1, 1), 0);
}

TEST(RandomFirst, ReseedsBeforeEveryDrawAndNeverKeepsAZeroFirstRate) {
    SolverState state = model({5, 3, 4});
    orven::testing::ScriptedPlatform platform;
    platform.scriptUniforms({0.0f, 0.0f, 0.25f, 0.0f, 0.75f});
    aggregation::randomfirst(state, 1, platform);  // Na(1) = 3
    EXPECT_EQ(state.x(1, 0), 0.25);
    EXPECT_EQ(state.x(1, 1), 0.0);  // only the first rate is divided by
    EXPECT_EQ(state.x(1, 2), 0.75);
    EXPECT_EQ(state.x(1, 3), 0.0);
    EXPECT_EQ(platform.uniformDraws(), 5);
    EXPECT_EQ(platform.reseeds(), 1 + 5);
}
