// The figures behind the plots, apart from any window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

#include "orven/aggregation/solver_state.h"
#include "orven/exact/model.h"
#include "orven/plots/exact_values.h"
#include "orven/plots/solver_plots.h"

namespace {

using orven::aggregation::SolverState;

// A state after `err.size() - 1` iterations with these errors and outputs (entry 0 is the
// starting point).
SolverState iterated(const std::vector<double>& err, const std::vector<double>& S) {
    SolverState state;
    state.R = 2;
    state.N = {0, 2, 1};
    state.Nmax = 2;
    state.P = orven::aggregation::Table(3, 3);
    state.extendIterations(static_cast<int>(err.size()) - 1);
    state.iter = static_cast<int>(err.size()) - 1;
    state.err = err;
    state.S = S;
    return state;
}

TEST(ConvergenceTrace, HoldsEveryMeasuredIterationAndNoStartingPoint) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto state = iterated({1, 0.5, nan, 0.01, 0}, {0, 0.8, 0.9, 0.85, 0.86});
    const auto trace = orven::plots::convergenceTrace(state);
    // Iteration 2 stopped being a number: the trace goes on without it.
    EXPECT_EQ(trace.iteration, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(trace.err, (std::vector<double>{0.5, 0.01, 0}));
    EXPECT_EQ(trace.S, (std::vector<double>{0.8, 0.85, 0.86}));
}

TEST(SolverContent, ARunWithoutAResultShowsOnlyItsTrace) {
    auto state = iterated({1, 0.5}, {0, 0.8});
    state.P(1, 0) = 0.25;
    const QStringList names{QStringLiteral("τάξη 1"), QStringLiteral("τάξη 2")};

    const auto failed = orven::plots::solverContent(state, names, false);
    EXPECT_TRUE(failed.distributions.empty());
    ASSERT_TRUE(failed.convergence.has_value());
    EXPECT_EQ(failed.convergence->iteration.size(), 1u);

    const auto completed = orven::plots::solverContent(state, names, true);
    ASSERT_EQ(completed.distributions.size(), 2u);
    // One point per state 0..N(i).
    EXPECT_EQ(completed.distributions[0].values, (std::vector<double>{0.25, 0, 0}));
    EXPECT_EQ(completed.distributions[1].values.size(), 2u);
    EXPECT_EQ(completed.distributions[1].name, QStringLiteral("τάξη 2"));
}

TEST(ExactValues, FillTheShownLengthsAndSumToOne) {
    // Two classes of 2 and 5 jobs at rate 1, shown over the states 0..5 of the larger.
    const std::vector<int> N{2, 5};
    const orven::plots::Rates rates{{1, 1}, {1, 1, 1, 1, 1}};
    const auto values = orven::plots::exactSimpleNetwork(N, rates, {6, 6});
    ASSERT_TRUE(values.unavailable.isEmpty());
    ASSERT_EQ(values.series.size(), 2u);
    for (const auto& series : values.series) {
        ASSERT_EQ(series.size(), 6u);
        EXPECT_NEAR(std::accumulate(series.begin(), series.end(), 0.0), 1.0, 1e-12);
    }
    // The class of 2 jobs never has 3 of them waiting.
    EXPECT_EQ(values.series[0][3], 0.0);
    EXPECT_GT(values.series[1][5], 0.0);
}

TEST(ExactValues, AModelBeyondTheBoundGivesItsReasonInGreek) {
    const std::vector<int> N{500, 500, 500};
    const orven::plots::Rates rates(3, std::vector<double>(500, 1.0));
    const auto values = orven::plots::exactSimpleNetwork(N, rates, {501, 501, 501});
    EXPECT_TRUE(values.series.empty());
    EXPECT_TRUE(values.unavailable.contains(QStringLiteral("καταστάσεις")))
        << values.unavailable.toStdString();
}

TEST(ExactValues, ASolutionFromElsewhereGivesTheQueuesAskedInTheirOrder) {
    const orven::exact::Model model{
        orven::exact::Network::Double, {3, 2, 2, 1}, {{1, 1, 1}, {1, 0.5}, {1, 1}, {0.8}}};
    const auto reference = orven::exact::solveModel(model);
    // Queue 8 is none of the double network's: its series stays empty, the others keep their
    // places.
    const auto shown =
        orven::plots::exactValuesOf(reference, {5, 1, orven::plots::kQueues2And5, 8}, {4, 2, 4, 4});
    ASSERT_EQ(shown.series.size(), 4u);
    const auto fitted = [](std::vector<double> values, std::size_t points) {
        values.resize(points, 0.0);
        return values;
    };
    EXPECT_EQ(shown.series[0], fitted(reference.marginals[4], 4));
    // Fewer points than the queue's lengths: the first ones.
    EXPECT_EQ(shown.series[1], fitted(reference.marginals[0], 2));
    EXPECT_EQ(shown.series[2], fitted(reference.sumOfQueues2And5, 4));
    EXPECT_TRUE(shown.series[3].empty());
    EXPECT_TRUE(shown.unavailable.isEmpty());
}

}  // namespace
