#include <gtest/gtest.h>

#include "orven/simple_sim/simulator.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::RecordingView;
using Outcome = SimpleSimulator::StartOutcome;
using SetTime = SimpleSimulator::SetTimeOutcome;

const std::array<QString, kSources> kDefaults = {u"5"_s, u"5"_s, u"5"_s};
const QString kDefaultAnswer = u"ORVEN orven-sim-simple"_s;

TEST(StartTest, TheTotalsAreTheSumsOfTheShownValues) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    simulator.start({u"3"_s, u"5"_s, u"2"_s}, platform, view);
    const Estimates& e = simulator.estimates();
    for (int i = 1; i <= kSources; ++i) {
        Fixed4 sum;
        for (const Fixed4 p : e.P.row(i)) sum += p;
        EXPECT_EQ(e.psum[i], sum);
    }
    // Queue 3 holds at most 2 jobs: rows 3 to 5 of its column show 0.
    const QStringList& column3 = view.shown.back().columns[2];
    EXPECT_EQ(column3.mid(3, 3), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}

struct SetTimeCase {
    const char* answer;  // nullptr: Cancel
    SetTime outcome;
    float runtime;
    bool warned;
};

TEST(SetTimeTest, AcceptsOnlyPositiveNumbers) {
    const std::vector<SetTimeCase> cases = {
        {"5000", SetTime::Changed, 5000.0f, false},
        {nullptr, SetTime::Unchanged, 100000.0f, false},
        {"abc", SetTime::Unchanged, 100000.0f, false},
        {"", SetTime::Unchanged, 100000.0f, false},
        {"-1", SetTime::Refused, 100000.0f, true},
        {"0", SetTime::Refused, 100000.0f, true},
        {"1e60", SetTime::Refused, 100000.0f, true},
        {"inf", SetTime::Unchanged, 100000.0f, false},
        {"-inf", SetTime::Unchanged, 100000.0f, false},
        {" 2.5 ", SetTime::Changed, 2.5f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer == nullptr ? "Cancel" : c.answer);
        ScriptedPlatform platform;
        SimpleSimulator simulator;
        if (c.answer == nullptr) {
            platform.cancelNextPrompt();
        } else {
            platform.answer(QString::fromUtf8(c.answer));
        }
        EXPECT_EQ(simulator.setTime(platform), c.outcome);
        EXPECT_EQ(simulator.runtime(), c.runtime);
        ASSERT_EQ(platform.prompts().size(), 1u);
        EXPECT_EQ(platform.prompts()[0].text, u"Δώσε χρόνο εκτέλεσης πειράματος"_s);
        EXPECT_EQ(platform.prompts()[0].title, QString());
        EXPECT_EQ(platform.prompts()[0].defaultAnswer, QString());
        ASSERT_EQ(platform.messages().size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(platform.messages()[0].text,
                      u"Ο χρόνος εκτέλεσης πρέπει να είναι θετικός αριθμός."_s);
        }
    }
}

TEST(RunInProgressTest, TheRecordNamesTheExperimentChosenLastButTheRatesOfTheStart) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    platform.onProcessEvents([&] { simulator.setExperiment(1); });
    simulator.start(kDefaults, platform, view);
    EXPECT_EQ(simulator.setup().mu(3, 0), 1.0);
    const QByteArray file = platform.resultsFile(kDefaultAnswer);
    EXPECT_TRUE(file.contains(",2\r\n")) << "experiment 2 named in the record";
}

TEST(RunInProgressTest, AStopRequestAbandonsTheRunAndWritesNothing) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    int rounds = 0;
    Outcome nested = Outcome::Completed;
    platform.onProcessEvents([&] {
        if (++rounds == 1) nested = simulator.start(kDefaults, platform, view);
        if (rounds == 3) simulator.requestStop();
    });
    EXPECT_EQ(simulator.start(kDefaults, platform, view), Outcome::Stopped);
    EXPECT_EQ(nested, Outcome::AlreadyRunning);
    EXPECT_EQ(rounds, 3);
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_TRUE(view.shown.empty());
    EXPECT_TRUE(platform.resultsFile(kDefaultAnswer).isEmpty());
    EXPECT_FALSE(simulator.running());

    // The next Start runs in full again.
    platform.onProcessEvents({});
    EXPECT_EQ(simulator.start(kDefaults, platform, view), Outcome::Completed);
}

}  // namespace
}  // namespace orven::simple_sim
