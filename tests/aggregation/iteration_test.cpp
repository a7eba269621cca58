#include <gtest/gtest.h>

#include <cmath>

#include "class_model.h"
#include "orven/aggregation/iteration.h"
#include "orven/number_text.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::IterationEnd;
using aggregation::SolverState;

namespace {

SolverState setUpModel(std::initializer_list<int> populations, int code) {
    return orven::testing::classModel(populations, code);
}

struct Reference {
    std::initializer_list<int> populations;
    int code;
    double S;
    double tolerance;
};

}  // namespace

TEST(Iteration, ReproducesTheReferenceOutputs) {
    const Reference cases[] = {
        // Within half a unit of the fourth significant digit: the start is random.
        {{5, 5, 5}, 0, 0.8336, 5e-5},
        {{5, 5, 5}, 1, 0.2497, 5e-5},
        {{5, 5, 5}, 2, 0.7485, 5e-5},
        {{5, 3, 4}, 0, 0.8051, 5e-5},
        // Two classes: the class subsystems are exact.
        {{5, 5}, 0, 10.0 / 11.0, 1e-4},
    };
    for (const auto& c : cases) {
        for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
            orven::testing::ScriptedPlatform platform(seed);
            SolverState state = setUpModel(c.populations, c.code);
            const auto outcome = aggregation::iterate(state, platform);
            SCOPED_TRACE(::testing::Message() << "code " << c.code << " seed " << seed);
            EXPECT_EQ(outcome.end, IterationEnd::Converged);
            EXPECT_NEAR(outcome.S, c.S, c.tolerance) << outcome.iterations << " iterations";
        }
    }
}

TEST(Iteration, AConvergedRunMeetsItsTestAndCountsTheRisesOfTheError) {
    for (int code : {0, 1, 2}) {
        orven::testing::ScriptedPlatform platform(9);
        SolverState state = setUpModel({5, 3, 4}, code);
        const auto outcome = aggregation::iterate(state, platform);
        ASSERT_EQ(outcome.end, IterationEnd::Converged);
        const int k = outcome.iterations;
        EXPECT_GE(k, 2);
        EXPECT_EQ(k, state.iter);
        EXPECT_GE(state.err[1], 1);
        EXPECT_EQ(state.err[0], 1);
        const double S = state.S[k];
        EXPECT_LT(std::fabs(S - state.S[k - 1]), 1e-4 * S);
        double mean = 0;
        for (int i = 1; i <= 3; ++i) {
            EXPECT_LT(std::fabs(S - state.TH(i, k)), 1e-4 * S);
            mean += state.TH(i, k) / 3;
        }
        EXPECT_NEAR(state.THbar[k], mean, 1e-15);
        int rises = 0;
        for (int j = 1; j <= k; ++j) rises += state.err[j] > state.err[j - 1] ? 1 : 0;
        EXPECT_EQ(state.omega, 1 + rises);
    }
}

TEST(Iteration, TheCutOffEndsAtTheFirstIterationWhoseErrorDidNotGrow) {
    orven::testing::ScriptedPlatform platform(1);
    SolverState state = setUpModel({5, 5, 5}, 1);  // needs well over a hundred iterations
    const auto outcome = aggregation::iterate(state, platform, {.cutOffAfter = 5});
    const int k = outcome.iterations;
    EXPECT_GT(k, 5);
    EXPECT_TRUE(outcome.stoppedShort);
    EXPECT_LT(state.err[k] - state.err[k - 1], 1e-8);
    for (int j = 6; j < k; ++j) EXPECT_GE(state.err[j] - state.err[j - 1], 1e-8);
    // So early the error is still far above 0.01: the run has no result.
    ASSERT_GT(state.err[k], 0.01);
    EXPECT_EQ(outcome.end, IterationEnd::NotConverged);

    aggregation::reportIterationEnd(platform, outcome);
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_EQ(platform.messages()[0].text,
              QStringLiteral("βγήκε με precision=") + orven::messageForm(state.err[k]));
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::None);
    EXPECT_TRUE(platform.messages()[0].title.isEmpty());
    EXPECT_EQ(platform.messages()[1].text,
              QStringLiteral("Η επανάληψη δεν συνέκλινε· τα αποτελέσματα δεν γράφτηκαν."));
    EXPECT_EQ(platform.messages()[1].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.messages()[1].title, QStringLiteral("Σφάλμα"));
}

TEST(Iteration, TheHardLimitEndsARunLikeTheCutOff) {
    orven::testing::ScriptedPlatform platform(1);
    SolverState state = setUpModel({5, 5, 5}, 1);
    const auto outcome = aggregation::iterate(state, platform, {.iterationLimit = 4});
    EXPECT_EQ(outcome.end, IterationEnd::NotConverged);  // the error is still far above 0.01
    EXPECT_TRUE(outcome.stoppedShort);
    EXPECT_EQ(outcome.iterations, 4);
    aggregation::reportIterationEnd(platform, outcome);
    ASSERT_EQ(platform.messages().size(), 2u);
    EXPECT_TRUE(platform.messages()[0].text.startsWith(QStringLiteral("βγήκε με precision= ")));
    EXPECT_EQ(platform.messages()[1].title, QStringLiteral("Σφάλμα"));
}

TEST(Iteration, AValueThatIsNotFiniteIsNeverTakenForConvergence) {
    orven::testing::ScriptedPlatform platform(1);
    // A class without jobs: its rate table starts with 0, which the class subsystem divides by.
    SolverState state = setUpModel({5, 0, 5}, 0);
    const auto outcome = aggregation::iterate(state, platform);
    EXPECT_EQ(outcome.end, IterationEnd::NotFinite);
    aggregation::reportIterationEnd(platform, outcome);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, QStringLiteral("Σφάλμα"));
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Warning);
}
