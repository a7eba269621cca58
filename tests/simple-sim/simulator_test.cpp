#include <gtest/gtest.h>

#include "orven/simple_sim/simulator.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::RecordingView;

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

TEST(RunInProgressTest, TheRecordNamesTheExperimentOfItsRatesNotOneChosenLater) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    platform.onProcessEvents([&] { simulator.setExperiment(1); });
    simulator.start(kDefaults, platform, view);
    EXPECT_EQ(simulator.setup().mu(3, 0), 1.0);
    const QString file = orven::testing::decodeResults(platform.resultsFile(kDefaultAnswer));
    EXPECT_TRUE(file.contains(u"\"ΠΕΙΡΑΜΑ \",1\r\n"_s))
        << "experiment 1, whose rates table A holds";
    EXPECT_EQ(simulator.experiment(), 1) << "the next Start runs the experiment chosen";
}

}  // namespace
}  // namespace orven::simple_sim
