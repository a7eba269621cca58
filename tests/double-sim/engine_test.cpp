#include <gtest/gtest.h>

#include "orven/double_sim/engine.h"
#include "run_helpers.h"

namespace orven::double_sim {
namespace {

using orven::testing::ScriptedPlatform;
using testing::drawFor;
using testing::runFor;
using testing::setupFor;
using testing::stepWith;
using Counts = std::array<int, kQueues + 1>;

Fixed4 time4(double value) {
    return Fixed4::fromDouble(value);
}

TEST(StepTest, FollowsTheWorkedExampleStepByStep) {
    const RunSetup setup = setupFor({5, 5, 5, 5});
    RunState run(5);
    // Counts of queues 1..6 before the step: (1, 0, 2, 0, 1, 2); levels (1, 1, 2, 0).
    run.n = {0, 1, 0, 2, 0, 1, 2};
    ScriptedPlatform platform;
    platform.scriptUniforms({drawFor(0.4), drawFor(0.2), drawFor(0.9), drawFor(0.5)});

    // Step 1: source 2 wins with 0.2. T(1, 1), T(2, 0), T(3, 2), T(4, 0), T(5, 1), T(6, 2) and
    // the sum of queues 2 and 5 at 0 + 1 = 1 each get 0.2. Queue 2 receives the job, so
    // queues 1, 2, 3 all hold one: station 1 fires, (0, 0, 1, 0, 2, 2); queue 4 is empty, so
    // station 2 does not.
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(run.kmin, 2);
    EXPECT_EQ(time4(run.tmin), time4(0.2));
    EXPECT_EQ(run.n, (Counts{0, 0, 0, 1, 0, 2, 2}));
    EXPECT_EQ(run.count1, 1);
    EXPECT_EQ(run.count2, 0);

    // Step 2: levels (0, 0 + 2, 1, 0); source 4 wins with 0.1. T(1, 0), T(2, 0), T(3, 1),
    // T(4, 0), T(5, 2), T(6, 2) and the sum at 2 each get 0.1. Queue 4 receives the job;
    // station 1 cannot fire (queue 1 is empty), station 2 can: (0, 0, 1, 0, 1, 1).
    platform.scriptUniforms({drawFor(0.9), drawFor(0.8), drawFor(0.7), drawFor(0.1)});
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(run.kmin, 4);
    EXPECT_EQ(run.n, (Counts{0, 0, 0, 1, 0, 1, 1}));
    EXPECT_EQ(run.count1, 1);
    EXPECT_EQ(run.count2, 1);
    EXPECT_NEAR(run.clock, 0.3, 1e-6);
    EXPECT_EQ(platform.uniformDraws(), 8);

    // What the two steps credited, length by length; nothing else holds any time.
    const std::vector<std::tuple<int, int, double>> credited = {
        {1, 1, 0.2}, {1, 0, 0.1}, {2, 0, 0.3}, {3, 2, 0.2},       {3, 1, 0.1},      {4, 0, 0.3},
        {5, 1, 0.2}, {5, 2, 0.1}, {6, 2, 0.3}, {kSumRow, 1, 0.2}, {kSumRow, 2, 0.1}};
    Fixed4 total;
    for (const auto& [row, length, time] : credited) {
        EXPECT_EQ(run.T(row, length), time4(time)) << "row " << row << ", length " << length;
        total += time4(time);
    }
    Fixed4 all;
    for (int row = 1; row <= kSumRow; ++row)
        for (const Fixed4 t : run.T.row(row)) all += t;
    EXPECT_EQ(all, total);
}

TEST(StepTest, SourceTwoCountsQueueFiveAndIsIdleWhileQueueTwoIsEmpty) {
    // N(2) = 2: with queue 2 empty and two of its jobs in queue 5, source 2 is idle and draws
    // nothing; sources 1, 3 and 4 draw in turn.
    const RunSetup setup = setupFor({5, 2, 5, 5});
    RunState run(5);
    run.n = {0, 1, 0, 0, 0, 2, 2};
    ScriptedPlatform platform;
    platform.scriptUniforms({drawFor(0.5), drawFor(0.1), drawFor(0.6)});
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(platform.uniformDraws(), 3);
    EXPECT_EQ(run.t[2], kIdleTime);
    EXPECT_EQ(run.kmin, 3);
    // Source 3 feeds queues 3 and 6 at once; station 1 still lacks queue 2.
    EXPECT_EQ(run.n, (Counts{0, 1, 0, 1, 0, 2, 3}));
    EXPECT_EQ(run.T(kSumRow, 2), run.T(1, 1));

    // With one job left in queue 5 source 2 sends again, at the rate of its level 1.
    RunSetup slower = setupFor({5, 5, 5, 5});
    slower.mu(2, 1) = 0.25;
    RunState one(5);
    one.n = {0, 0, 0, 0, 0, 1, 1};
    platform.scriptUniforms({0.9f, 0.3f, 0.9f, 0.9f});
    stepWith(slower, one, platform);
    EXPECT_EQ(one.t[2], sim::exponentialTime(0.3f, 0.25));
}

TEST(StepTest, QueueSixAtItsLimitBlocksSourceThreeAlone) {
    // N(3) = 3: queue 3 has room for two more, but queue 6 is full, so source 3 draws nothing.
    // Were it to draw, it would take the third draw, 0.05, and win.
    const RunSetup setup = setupFor({5, 5, 3, 5});
    RunState run(5);
    run.n = {0, 0, 0, 1, 0, 2, 3};
    ScriptedPlatform platform;
    platform.scriptUniforms({drawFor(0.5), drawFor(0.6), drawFor(0.05), drawFor(0.7)});
    ASSERT_EQ(stepWith(setup, run, platform), sim::StepResult::Arrived);
    EXPECT_EQ(platform.uniformDraws(), 3);
    EXPECT_EQ(run.t[3], kIdleTime);
    EXPECT_EQ(run.kmin, 4);
    // Queue 4 receives the job, and station 2 fires: queue 6 gets room again.
    EXPECT_EQ(run.n, (Counts{0, 0, 0, 1, 0, 1, 2}));
    EXPECT_EQ(run.count2, 1);
}

TEST(StepTest, BothStationsFireInTheStepThatCompletesThem) {
    // Source 3's job completes station 1, whose joined job completes station 2.
    const RunSetup setup = setupFor({5, 5, 5, 5});
    RunState run(5);
    run.n = {0, 1, 1, 0, 1, 0, 0};
    ScriptedPlatform platform;
    platform.scriptUniforms({drawFor(0.9), drawFor(0.8), drawFor(0.1), drawFor(0.7)});
    stepWith(setup, run, platform);
    EXPECT_EQ(run.n, (Counts{}));
    EXPECT_EQ(run.count1, 1);
    EXPECT_EQ(run.count2, 1);
    EXPECT_EQ(run.T(5, 0), time4(0.1)) << "queue 5 held its job for no time";
    EXPECT_EQ(run.T(5, 1), Fixed4());
}

TEST(StepTest, OnEqualTimesTheLowerNumberedSourceWins) {
    const RunSetup setup = setupFor({5, 5, 5, 5});
    RunState run(5);
    ScriptedPlatform platform;
    platform.scriptUniforms({0.3f, 0.6f, 0.6f, 0.6f});
    stepWith(setup, run, platform);
    EXPECT_EQ(run.kmin, 2);
    EXPECT_EQ(run.n, (Counts{0, 0, 1, 0, 0, 0, 0}));
}

TEST(MontecarloTest, ARunEndsWhenNoSourceCanSendWithOnlyTheTimeSimulated) {
    // N(4) = 0 (which Start refuses): source 4 never sends and station 2 never fires. The
    // loops fill until source 1 is idle, source 2 has all its jobs in queue 5 and queue 6 is
    // full: (5, 0, 0, 0, 5, 5) is the only state in which no source can send.
    const RunSetup setup = setupFor({5, 5, 5, 0});
    RunState run;
    ScriptedPlatform platform;
    EXPECT_EQ(runFor(setup, run, platform, 1.0e6f), sim::RunEnd::NoSourceCanSend);
    EXPECT_EQ(run.n, (Counts{0, 5, 0, 0, 0, 5, 5}));
    EXPECT_EQ(run.count1, 5);
    EXPECT_EQ(run.count2, 0);
    EXPECT_LT(run.clock, 1000.0) << "no sentinel time is credited";
    ASSERT_EQ(platform.messages().size(), 1u);
    for (int row = 1; row <= kSumRow; ++row) {
        Fixed4 total;
        for (const Fixed4 t : run.T.row(row)) total += t;
        EXPECT_NEAR(total.toDouble(), run.clock, 0.01) << "row " << row;
    }
}

}  // namespace
}  // namespace orven::double_sim
