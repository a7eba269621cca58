#include <gtest/gtest.h>

#include <csignal>

#include "fixed_network.h"
#include "orven/sim/start_sequence.h"
#include "scripted_platform.h"

namespace orven::sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::FixedNetwork;
using testing::RecordingView;

// A network's parts of the start sequence, recording what was asked of them.
struct Program {
    std::optional<QString> problem;
    int setUps = 0;
    int publications = 0;

    std::optional<QString> inputProblem() const { return problem; }
    FixedNetwork setUp(Platform&) {
        ++setUps;
        return {};
    }
    void publish(Platform&, RunView& view) {
        ++publications;
        view.showResults({});
    }
};

TEST(StartSequenceTest, ACompleteRunSetsUpSimulatesAndPublishesBetweenStartAndEnd) {
    ScriptedPlatform platform;
    RunController controller;
    RecordingView view;
    Program program;
    EXPECT_EQ(startRun(program, controller, platform, view), StartOutcome::Completed);
    EXPECT_EQ(view.events, (QStringList{u"started"_s, u"results"_s, u"ended"_s}));
    EXPECT_EQ(program.setUps, 1);
    EXPECT_FALSE(controller.running());
}

TEST(StartSequenceTest, AnInputOutOfRangeIsRefusedAndNothingRuns) {
    ScriptedPlatform platform;
    RunController controller;
    RecordingView view;
    Program program{u"Ο πληθυσμός Ν2 πρέπει να είναι ακέραιος από 1 έως 32767."_s};
    EXPECT_EQ(startRun(program, controller, platform, view), StartOutcome::Refused);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, *program.problem);
    EXPECT_EQ(platform.messages()[0].title, u"Σφάλμα"_s);
    EXPECT_EQ(program.setUps, 0);
    EXPECT_EQ(platform.reseeds(), 0);
    EXPECT_TRUE(view.events.isEmpty());
}

TEST(StartSequenceTest, StartDuringARunDoesNothingAndAStopPublishesNothing) {
    ScriptedPlatform platform;
    RunController controller;
    RecordingView view;
    Program program;
    int rounds = 0;
    StartOutcome nested = StartOutcome::Completed;
    platform.onProcessEvents([&] {
        if (++rounds == 1) nested = startRun(program, controller, platform, view);
        if (rounds == 3) controller.requestStop();
    });
    EXPECT_EQ(startRun(program, controller, platform, view), StartOutcome::Stopped);
    EXPECT_EQ(nested, StartOutcome::AlreadyRunning);
    EXPECT_EQ(program.setUps, 1);
    EXPECT_EQ(program.publications, 0);
    EXPECT_EQ(view.events, (QStringList{u"started"_s, u"ended"_s}));
    EXPECT_FALSE(controller.running());

    // The next Start runs in full again.
    platform.onProcessEvents({});
    EXPECT_EQ(startRun(program, controller, platform, view), StartOutcome::Completed);
}

TEST(StartSequenceTest, AnInterruptFlagStopsTheRunAtItsNextHandOver) {
    ScriptedPlatform platform;
    RunController controller;
    RunView view;
    Program program;
    volatile std::sig_atomic_t interrupted = 0;
    controller.stopWhenSet(&interrupted);
    int rounds = 0;
    platform.onProcessEvents([&] {
        if (++rounds == 2) interrupted = 1;
    });
    EXPECT_EQ(startRun(program, controller, platform, view), StartOutcome::Stopped);
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(program.publications, 0);
}

}  // namespace
}  // namespace orven::sim
