#include <gtest/gtest.h>

#include <cmath>

#include "orven/simple_sim/engine.h"
#include "orven/simple_sim/experiments.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::drawFor;
using testing::runFor;
using testing::stepWith;

RunSetup setupFor(std::array<int, kSources> populations, int experiment = 0) {
    RunSetup setup;
    for (int i = 1; i <= kSources; ++i) setup.N[i] = populations[i - 1];
    setup.mu = experimentRates(experiment, populations);
    setup.Nmax = setup.mu.nmax();
    setup.experiment = experiment;
    return setup;
}

Fixed4 time4(double value) {
    return Fixed4::fromDouble(value);
}

TEST(StepTest, FollowsTheWorkedExampleStepByStep) {
    const RunSetup setup = setupFor({5, 5, 5});
    RunState run(5);
    run.n = {0, 0, 2, 1};
    ScriptedPlatform platform;
    platform.scriptUniforms({drawFor(0.3), drawFor(0.1), drawFor(0.7)});

    // Source 2 wins with 0.1; queue 1 is still empty, so nothing fires.
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(run.kmin, 2);
    EXPECT_EQ(time4(run.tmin), time4(0.1));
    EXPECT_EQ(run.T(1, 0), time4(0.1));
    EXPECT_EQ(run.T(2, 2), time4(0.1));
    EXPECT_EQ(run.T(3, 1), time4(0.1));
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 0, 3, 1}));
    EXPECT_EQ(run.count, 0);
    EXPECT_NEAR(run.clock, 0.1, 1e-6);

    // Source 1 wins with 0.2: the lengths before the arrival get the time, then the station
    // fires and every queue gives up one job.
    platform.scriptUniforms({drawFor(0.2), drawFor(0.4), drawFor(0.3)});
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(run.kmin, 1);
    EXPECT_EQ(run.T(1, 0), time4(0.3));
    EXPECT_EQ(run.T(2, 3), time4(0.2));
    EXPECT_EQ(run.T(3, 1), time4(0.3));
    EXPECT_EQ(run.T(2, 2), time4(0.1));
    EXPECT_EQ(run.T(1, 1), Fixed4()) << "queue 1 never held a job for any time";
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 0, 2, 0}));
    EXPECT_EQ(run.count, 1);
    EXPECT_NEAR(run.clock, 0.3, 1e-6);
    EXPECT_EQ(platform.uniformDraws(), 6);
}

struct TieCase {
    const char* name;
    std::array<float, 3> draws;
    int winner;
};

void PrintTo(const TieCase& c, std::ostream* out) {
    *out << c.name;
}

class TieTest : public ::testing::TestWithParam<TieCase> {};

TEST_P(TieTest, TheLowerNumberedSourceWins) {
    const RunSetup setup = setupFor({5, 5, 5});
    RunState run(5);
    ScriptedPlatform platform;
    const auto& d = GetParam().draws;
    platform.scriptUniforms({d[0], d[1], d[2]});
    stepWith(setup, run, platform);
    EXPECT_EQ(run.kmin, GetParam().winner);
    EXPECT_EQ(run.n[GetParam().winner], 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TieTest,
                         ::testing::Values(TieCase{"AllEqual", {0.5f, 0.5f, 0.5f}, 1},
                                           TieCase{"OneAndThree", {0.7f, 0.2f, 0.7f}, 1},
                                           TieCase{"TwoAndThree", {0.2f, 0.6f, 0.6f}, 2},
                                           TieCase{"ClearWinner", {0.2f, 0.3f, 0.6f}, 3}),
                         testing::CaseName());

TEST(StepTest, AFullQueueDrawsNothingAndNeverReceivesAJob) {
    const RunSetup setup = setupFor({5, 5, 5});
    RunState run(5);
    run.n = {0, 0, 5, 0};
    ScriptedPlatform platform;
    // Only sources 1 and 3 draw; 0.9 would have made source 2 win.
    platform.scriptUniforms({0.2f, 0.3f, 0.9f});
    stepWith(setup, run, platform);
    EXPECT_EQ(platform.uniformDraws(), 2);
    EXPECT_EQ(run.t[2], kFullQueueTime);
    EXPECT_EQ(run.kmin, 3);
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 0, 5, 1}));
    EXPECT_GT(run.T(2, 5), Fixed4());
}

struct ZeroDrawCase {
    int experiment;
    int source;
    double expectedTime;
};

TEST(StepTest, ADrawOfZeroCountsAsADrawOfOneHundredth) {
    // -ln(0.01) / rate for the source that drew 0; the others draw almost 1 and lose.
    const std::vector<ZeroDrawCase> cases = {
        {0, 1, 4.605170186}, {1, 2, 9.210340372}, {1, 3, 18.42068074}, {2, 3, 5.526204223}};
    for (const auto& c : cases) {
        const RunSetup setup = setupFor({5, 5, 5}, c.experiment);
        RunState run(5);
        ScriptedPlatform platform;
        std::array<float, 3> draws = {0.999999f, 0.999999f, 0.999999f};
        draws[c.source - 1] = 0.0f;
        platform.scriptUniforms({draws[0], draws[1], draws[2]});
        stepWith(setup, run, platform);
        EXPECT_FLOAT_EQ(run.t[c.source], static_cast<float>(c.expectedTime));
    }
}

TEST(StepTest, WithOneJobPerClassAllQueuesFullFiresAtOnce) {
    const RunSetup setup = setupFor({1, 1, 1});
    RunState run(1);
    ScriptedPlatform platform;
    // Source 3, then 1 arrive; then only source 2 can send and its job fires the station.
    platform.scriptUniforms({0.2f, 0.3f, 0.9f, 0.8f, 0.1f, 0.6f});
    stepWith(setup, run, platform);
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 0, 0, 1}));
    stepWith(setup, run, platform);
    EXPECT_EQ(run.kmin, 1);
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 1, 0, 1}));
    const Fixed4 queue2Empty = run.T(2, 0);
    stepWith(setup, run, platform);
    EXPECT_EQ(platform.uniformDraws(), 6) << "queues 1 and 3 are full and draw nothing";
    EXPECT_EQ(run.t[1], kFullQueueTime);
    EXPECT_EQ(run.t[3], kFullQueueTime);
    EXPECT_EQ(run.kmin, 2);
    EXPECT_EQ(run.n, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(run.count, 1);
    EXPECT_GT(run.T(2, 0), queue2Empty);
    EXPECT_EQ(run.T(2, 1), Fixed4()) << "all three queues holding a job lasts no time";
}

TEST(StepTest, ASourceWithNoRateCannotSend) {
    RunSetup setup = setupFor({2, 2, 2});
    for (int i = 1; i <= kSources; ++i) setup.mu(i, 0) = 0.0;
    RunState run(2);
    ScriptedPlatform platform;
    EXPECT_EQ(stepWith(setup, run, platform), sim::StepResult::NoSourceCanSend);
    EXPECT_EQ(platform.uniformDraws(), 0);
    EXPECT_EQ(run.clock, 0.0);
    EXPECT_EQ(run.T(1, 0), Fixed4()) << "no sentinel time is credited";
}

TEST(StepTest, AVerySlowSourceStillWinsBeyondTheSentinel) {
    RunSetup setup = setupFor({2, 2, 2});
    for (int i = 1; i <= kSources; ++i) setup.mu(i, 0) = 1e-7;
    RunState run(2);
    ScriptedPlatform platform;
    platform.scriptUniforms({0.5f, 0.4f, 0.6f});
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(run.kmin, 3);
    EXPECT_NEAR(run.clock, -std::log(0.6) * 1e7, 1.0);
    EXPECT_EQ(run.n[3], 1);
}

TEST(MontecarloTest, StartsFromEmptyQueuesAndCreditsTheWholeRunToEveryQueue) {
    const RunSetup setup = setupFor({5, 5, 5});
    RunState run(5);
    run.n = {0, 3, 3, 0};
    run.count = 99;
    ScriptedPlatform platform;
    EXPECT_EQ(runFor(setup, run, platform, 1000.0f), sim::RunEnd::RunLengthReached);
    EXPECT_GT(run.clock, 1000.0);
    EXPECT_LT(run.clock, 1000.0 + 10.0);
    EXPECT_LT(run.count, 2000) << "the count starts from 0 at every run";
    EXPECT_TRUE(run.n[1] == 0 || run.n[2] == 0 || run.n[3] == 0);
    for (int i = 1; i <= kSources; ++i) {
        Fixed4 total;
        for (const Fixed4 t : run.T.row(i)) total += t;
        EXPECT_NEAR(total.toDouble(), run.clock, 0.01);
    }
}

}  // namespace
}  // namespace orven::simple_sim
