#include <gtest/gtest.h>

#include "orven/sim/run_controller.h"
#include "scripted_platform.h"

namespace orven::sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using SetTime = RunController::SetTimeOutcome;

struct SetTimeCase {
    const char* answer;  // nullptr: Cancel
    SetTime outcome;
    float runtime;
};

TEST(SetTimeTest, TakesPositiveNumbersUpToTheLimitAndIgnoresTextsThatAreNoNumber) {
    const std::vector<SetTimeCase> cases = {
        {"5000", SetTime::Changed, 5000.0f},
        {" 2.5 ", SetTime::Changed, 2.5f},
        {"1E+14", SetTime::Changed, 1.0e14f},
        {nullptr, SetTime::Unchanged, kDefaultRuntime},
        {"", SetTime::Unchanged, kDefaultRuntime},
        {"abc", SetTime::Unchanged, kDefaultRuntime},
        {"inf", SetTime::Unchanged, kDefaultRuntime},
        {"-inf", SetTime::Unchanged, kDefaultRuntime},
        {"-1", SetTime::Refused, kDefaultRuntime},
        {"0", SetTime::Refused, kDefaultRuntime},
        {"1e-60", SetTime::Refused, kDefaultRuntime},
        {"1.0001e14", SetTime::Refused, kDefaultRuntime},
        {"1E+300", SetTime::Refused, kDefaultRuntime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer == nullptr ? "Cancel" : c.answer);
        ScriptedPlatform platform;
        RunController controller;
        if (c.answer == nullptr) {
            platform.cancelNextPrompt();
        } else {
            platform.answer(QString::fromUtf8(c.answer));
        }
        EXPECT_EQ(controller.setTime(platform), c.outcome);
        EXPECT_EQ(controller.runtime(), c.runtime);
        ASSERT_EQ(platform.prompts().size(), 1u);
        EXPECT_EQ(platform.prompts()[0].text, u"Δώσε χρόνο εκτέλεσης πειράματος"_s);
        EXPECT_EQ(platform.prompts()[0].title, QString());
        EXPECT_EQ(platform.prompts()[0].defaultAnswer, QString());
        ASSERT_EQ(platform.messages().size(), c.outcome == SetTime::Refused ? 1u : 0u);
        if (c.outcome == SetTime::Refused) {
            EXPECT_EQ(platform.messages()[0].text,
                      u"Ο χρόνος εκτέλεσης πρέπει να είναι θετικός αριθμός έως 1E+14."_s);
            EXPECT_EQ(platform.messages()[0].title, u"Σφάλμα"_s);
        }
    }
}

TEST(SetTimeTest, TheFieldShowsTheRunLengthInUse) {
    RunController controller;
    EXPECT_EQ(controller.runtimeText(), u"100000"_s);
    controller.setRuntime(1.0e14f);
    EXPECT_EQ(controller.runtimeText(), u"1E+14"_s);
}

}  // namespace
}  // namespace orven::sim
