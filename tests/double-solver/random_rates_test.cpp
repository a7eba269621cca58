#include <gtest/gtest.h>

#include "orven/double_solver/double_solver.h"
#include "orven/double_solver/random_rates.h"
#include "scripted_platform.h"

using namespace orven;
using double_solver::DoubleSolver;
using orven::testing::ScriptedPlatform;

TEST(RandomRates, EveryClassDrawsAboveItsBoundClassOneForStationOneAlone) {
    ScriptedPlatform platform(7);
    // The first draws fall below the bounds and are drawn again.
    platform.scriptUniforms({0.05f, 0.5f});
    aggregation::Table drawn;
    ASSERT_TRUE(double_solver::drawMissingRates(drawn, {0, 5, 5, 5, 5}, platform));

    EXPECT_EQ(drawn(1, 1), 0.5f);
    EXPECT_EQ(platform.uniformDraws(), platform.reseeds());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(drawn(i, 0), 1.0);
        for (int n = 1; n < 5; ++n) {
            EXPECT_GE(drawn(i, n), double_solver::lowestDrawnRate(i)) << i << ',' << n;
            EXPECT_LT(drawn(i, n), 1.0);
        }
        EXPECT_EQ(drawn(i, 5), 0.0);
    }

    // A class whose population grew draws only what it lacks.
    const double kept = drawn(2, 4);
    const int draws = platform.uniformDraws();
    ASSERT_TRUE(double_solver::drawMissingRates(drawn, {0, 5, 7, 5, 5}, platform));
    EXPECT_EQ(drawn(2, 4), kept);
    EXPECT_GE(drawn(2, 5), 0.4);
    EXPECT_GE(drawn(2, 6), 0.4);
    EXPECT_GE(platform.uniformDraws(), draws + 2);
    EXPECT_FALSE(double_solver::drawMissingRates(drawn, {0, 5, 7, 5, 5}, platform));
}

TEST(RandomRates, RandomMuDrawsListsAndKeepsTheRatesUntilAPresetIsChosen) {
    DoubleSolver solver;
    ScriptedPlatform platform(3);
    solver_kit::SolverView view;
    const auto lists = solver.drawRandomRates(platform, view);
    ASSERT_TRUE(lists.has_value());
    EXPECT_EQ(solver.experiment(), 4);
    ASSERT_EQ(lists->size(), 5u);
    EXPECT_EQ((*lists)[0].size(), 11);  // states 0..10
    for (int i = 1; i <= 4; ++i) {
        const QStringList& column = (*lists)[static_cast<std::size_t>(i)];
        ASSERT_EQ(column.size(), 6) << i;  // class 1 for N1 = 5 alone, not for N(1) = 10
        EXPECT_EQ(column.front(), QStringLiteral("1"));
        EXPECT_EQ(column.back(), QStringLiteral("0"));
    }
    const double drawn = solver.rates().drawn()(3, 2);
    EXPECT_EQ(solver.state().mu(3, 2), drawn);

    // An edit of a population sets up again with the same rates.
    solver.setPopulation(1, 7);
    EXPECT_EQ(solver.state().mu(3, 2), drawn);
    EXPECT_EQ(solver.state().mu(2, 5), 0.0);
    // "start" draws what the larger population lacks, so no class runs dry below its full
    // queue, and keeps the rest.
    ASSERT_EQ(solver.start(platform).end, solver_kit::StartEnd::Completed);
    EXPECT_GE(solver.state().mu(2, 5), 0.4);
    EXPECT_GE(solver.state().mu(2, 6), 0.4);
    EXPECT_EQ(solver.state().mu(2, 7), 0.0);
    EXPECT_EQ(solver.state().mu(3, 2), drawn);

    solver.chooseExperiment(1);
    solver.setUp();
    EXPECT_EQ(solver.state().mu(3, 2), 0.25);
}
