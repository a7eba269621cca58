#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "fixed_network.h"
#include "orven/sim/progress.h"
#include "orven/sim/run_loop.h"
#include "scripted_platform.h"

namespace orven::sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::FixedNetwork;
using testing::RecordingView;

QStringList tenths(int from, int to, int by = 10) {
    QStringList texts;
    for (int percent = from; by > 0 ? percent <= to : percent >= to; percent += by)
        texts.append(progressText(percent));
    return texts;
}

struct TimedRun {
    ScriptedPlatform platform;
    RunController controller;
    RecordingView view;
    FixedNetwork network;
    std::vector<int> handOverSteps;  // the steps made at each hand-over

    explicit TimedRun(float runtime) {
        controller.setRuntime(runtime);
        platform.onProcessEvents([this] { handOverSteps.push_back(network.steps); });
    }
    RunEnd simulate() { return sim::simulate(network, platform, controller, view); }
};

TEST(RunLoopTest, RunsUntilTheClockPassesTheRunLengthShowingEveryTenthOnce) {
    TimedRun run(1000.0f);
    EXPECT_EQ(run.simulate(), RunEnd::RunLengthReached);
    EXPECT_EQ(run.network.steps, 1001) << "the step that passes the run length ends it";
    EXPECT_EQ(run.view.progress, tenths(0, 100));
    EXPECT_EQ(run.platform.reseeds(), 1);
    EXPECT_EQ(run.platform.uniformDraws(), 1001);
}

TEST(RunLoopTest, ARunLengthShorterThanTheFirstStepStillMakesOneStep) {
    TimedRun run(0.01f);
    EXPECT_EQ(run.simulate(), RunEnd::RunLengthReached);
    EXPECT_EQ(run.network.steps, 1);
    EXPECT_EQ(run.view.progress, QStringList{u" 100 %"_s});
}

TEST(RunLoopTest, HandsOverAtLeastEveryTwentyMillisecondsButNotAfterEveryStep) {
    // Wall time passes at 20 ms per reading of the clock: every reading is a hand-over.
    TimedRun slow(100000.0f);
    slow.platform.setWallClockStep(20);
    slow.simulate();
    std::vector<int> gaps(slow.handOverSteps.size());
    std::adjacent_difference(slow.handOverSteps.begin(), slow.handOverSteps.end(), gaps.begin());
    EXPECT_LE(*std::max_element(gaps.begin(), gaps.end()), 64);

    // At 1 ms per reading the window waits 20 readings; the progress figure hands over too.
    TimedRun fast(100000.0f);
    fast.simulate();
    EXPECT_LT(fast.handOverSteps.size(), slow.handOverSteps.size() / 10);
    EXPECT_GE(fast.handOverSteps.size(), 11u);
}

TEST(RunLoopTest, StepsThatTakeTwentyMillisecondsEachAreHandedOverOneByOne) {
    // The clock is read every 64 steps at first; once readings show that steps take long, it
    // is read after every step, and every step is a hand-over.
    TimedRun slow(100000.0f);
    slow.platform.setWallClockStep(20);
    slow.simulate();
    ASSERT_GT(slow.handOverSteps.size(), 1000u);
    const std::vector<int> last(slow.handOverSteps.end() - 1000, slow.handOverSteps.end());
    for (std::size_t k = 1; k < last.size(); ++k) ASSERT_EQ(last[k] - last[k - 1], 1) << k;
}

TEST(RunLoopTest, AStopRequestEndsTheRunAtTheNextHandOver) {
    TimedRun run(100000.0f);
    int rounds = 0;
    run.platform.onProcessEvents([&] {
        if (++rounds == 3) run.controller.requestStop();
    });
    EXPECT_EQ(run.simulate(), RunEnd::Stopped);
    EXPECT_EQ(rounds, 3);
    EXPECT_LT(run.network.clock(), 100000.0);
}

TEST(RunLoopTest, ASetTimeThatShortensTheRunEndsItAtOneHundredPerCent) {
    TimedRun run(1000.0f);
    run.platform.onProcessEvents([&] {
        if (run.network.steps == 300) run.controller.setRuntime(100.0f);
    });
    EXPECT_EQ(run.simulate(), RunEnd::RunLengthReached);
    EXPECT_EQ(run.network.steps, 300) << "the new length applies from that hand-over";
    EXPECT_EQ(run.view.progress, tenths(0, 30) << u" 100 %"_s);
}

TEST(RunLoopTest, ASetTimeThatLengthensTheRunIsFollowed) {
    TimedRun run(1000.0f);
    run.platform.onProcessEvents([&] {
        if (run.network.steps == 1000) run.controller.setRuntime(2000.0f);
    });
    EXPECT_EQ(run.simulate(), RunEnd::RunLengthReached);
    EXPECT_EQ(run.network.steps, 2001);
    EXPECT_EQ(run.view.progress, tenths(0, 100) << tenths(50, 100));
}

TEST(RunLoopTest, NoSourceThatCanSendEndsTheRunWithAWarning) {
    TimedRun run(1000.0f);
    run.network.lastStep = 4;
    EXPECT_EQ(run.simulate(), RunEnd::NoSourceCanSend);
    EXPECT_EQ(run.network.steps, 4);
    ASSERT_EQ(run.platform.messages().size(), 1u);
    EXPECT_EQ(run.platform.messages()[0].text,
              u"Καμία πηγή δεν μπορεί να στείλει εργασία· η προσομοίωση σταματά."_s);
    EXPECT_EQ(run.platform.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(run.platform.messages()[0].title, u"Σφάλμα"_s);
}

// A network that keeps every number it draws.
struct Recorder {
    std::vector<double> draws;
    double now = 0.0;
    template <typename Draws>
    Steps stepsUntil(Draws& source, double, unsigned) {
        draws.push_back(source.template negativeLogsFor<1>(1U)[0]);
        now += 1.0;
        return {1, StepResult::Arrived};
    }
    double clock() const { return now; }
};

TEST(RunLoopTest, TheGeneratorDrawsTheSameNumbersAsThePlatform) {
    std::vector<double> seen[2];
    for (int direct = 0; direct < 2; ++direct) {
        ScriptedPlatform platform(7);
        if (direct == 1) platform.drawDirectly();
        RunController controller;
        controller.setRuntime(100.0f);
        RunView view;
        Recorder recorder;
        simulate(recorder, platform, controller, view);
        seen[direct] = recorder.draws;
        EXPECT_EQ(platform.uniformDraws(), direct == 1 ? 0 : 101);
    }
    EXPECT_EQ(seen[0], seen[1]);
}

TEST(ProgressTest, ShowsWholeTenthsAndNeverPassesOneHundred) {
    const std::vector<std::tuple<double, double, int>> cases = {
        {0.0, 100000.0, 0},      {9999.9, 100000.0, 0},     {10000.0, 100000.0, 10},
        {55000.0, 100000.0, 50}, {100000.5, 100000.0, 100}, {5000.0, 10.0, 100},
    };
    for (const auto& [clock, runtime, percent] : cases)
        EXPECT_EQ(progressPercent(clock, runtime), percent) << clock << " of " << runtime;
    EXPECT_EQ(progressText(0), u" 0 %"_s);
    EXPECT_EQ(progressText(100), u" 100 %"_s);
}

}  // namespace
}  // namespace orven::sim
