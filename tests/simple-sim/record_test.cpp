#include <gtest/gtest.h>

#include <QFile>

#include "orven/simple_sim/results_record.h"
#include "orven/simple_sim/simulator.h"
#include "run_helpers.h"
#include "scripted_platform.h"

namespace orven::simple_sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::RecordingView;

const QString kDefaultAnswer = u"ORVEN orven-sim-simple"_s;

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = orven::testing::decodeResults(bytes).split(u"\r\n"_s);
    EXPECT_EQ(lines.takeLast(), QString()) << "every line ends with CR LF";
    return lines;
}

QStringList runOnce(ScriptedPlatform& platform, SimpleSimulator& simulator,
                    const std::array<QString, kSources>& populations) {
    RecordingView view;
    EXPECT_EQ(simulator.start(populations, platform, view), sim::StartOutcome::Completed);
    return linesOf(platform.resultsFile(kDefaultAnswer));
}

TEST(ResultsRecordTest, DefaultRunMatchesTheCheckedFileByteForByte) {
    ScriptedPlatform platform(1);
    SimpleSimulator simulator;
    RecordingView view;
    simulator.start({u"5"_s, u"5"_s, u"5"_s}, platform, view);

    QFile expected(QStringLiteral(SIMPLE_SIM_TEST_DATA "/default_run_record.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(platform.resultsFile(kDefaultAnswer), expected.readAll());
}

TEST(ResultsRecordTest, TheThirdExperimentWritesItsRatesToFourDecimals) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    simulator.setExperiment(2);
    const QStringList lines = runOnce(platform, simulator, {u"5"_s, u"5"_s, u"5"_s});
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[3], u"\"ΠΕΙΡΑΜΑ \",3"_s);
    EXPECT_EQ(lines[10], u"\" 1   1   1   1   1   0  \""_s);
    EXPECT_EQ(lines[11], u"\" .9091   .9091   .9091   .9091   .9091   0  \""_s);
    EXPECT_EQ(lines[12], u"\" .8333   .8333   .8333   .8333   .8333   0  \""_s);
    EXPECT_EQ(lines[22], messageForm(simulator.estimates().X).trimmed());
}

TEST(ResultsRecordTest, UnequalPopulationsPadTheShorterRowsWithZeros) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    simulator.setExperiment(1);
    const QStringList lines = runOnce(platform, simulator, {u"3"_s, u"5"_s, u"2"_s});
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[3], u"\"ΠΕΙΡΑΜΑ \",2"_s);
    EXPECT_EQ(lines[6], u"\"Nr(1) = \",3,\" Nr(2)= \",5,\" Nr(3) = \",2"_s);
    EXPECT_EQ(lines[10], u"\" 1   1   1   0   0   0  \""_s);
    EXPECT_EQ(lines[11], u"\" .5   .5   .5   .5   .5   0  \""_s);
    EXPECT_EQ(lines[12], u"\" .25   .25   0   0   0   0  \""_s);
    // Queue 3 never holds more than 2 jobs: its entries for 3 to 5 are the entry for 0.
    EXPECT_TRUE(lines[18].endsWith(u"   0   0   0  \""_s)) << lines[18].toStdString();
    for (int row = 16; row <= 18; ++row)
        EXPECT_EQ(lines[row].chopped(1).mid(1).split(u' ', Qt::SkipEmptyParts).size(), 6)
            << "one entry per queue length 0..5";
}

TEST(ResultsRecordTest, TwoRunsWithTheSameNameAppendTwoRecordsOldestFirst) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    platform.answer(u"runs"_s);
    simulator.start({u"2"_s, u"2"_s, u"2"_s}, platform, view);
    const QByteArray first = platform.resultsFile(u"runs"_s);
    platform.answer(u"runs"_s);
    simulator.setExperiment(1);
    simulator.start({u"2"_s, u"2"_s, u"2"_s}, platform, view);
    const QStringList lines = linesOf(platform.resultsFile(u"runs"_s));
    ASSERT_EQ(lines.size(), 46);
    EXPECT_TRUE(platform.resultsFile(u"runs"_s).startsWith(first));
    EXPECT_EQ(lines[3], u"\"ΠΕΙΡΑΜΑ \",1"_s);
    EXPECT_EQ(lines[26], u"\"ΠΕΙΡΑΜΑ \",2"_s);
}

TEST(ResultsRecordTest, CancelAtThePromptWritesToTheDefaultName) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    platform.cancelNextPrompt();
    simulator.start({u"2"_s, u"2"_s, u"2"_s}, platform, view);
    EXPECT_EQ(linesOf(platform.resultsFile(kDefaultAnswer)).size(), 23);
    ASSERT_EQ(platform.prompts().size(), 1u);
    EXPECT_EQ(platform.prompts()[0].text, u"Δώσε αρχείο για αποθήκευση πληροφοριών"_s);
    EXPECT_EQ(platform.prompts()[0].title, u"ΕΞΑΓΩΓΗ ΑΠΟΤΕΛΕΣΜΑΤΩΝ"_s);
    EXPECT_EQ(platform.prompts()[0].defaultAnswer, kDefaultAnswer);
}

TEST(ResultsRecordTest, AFileThatCannotBeWrittenIsReportedAndTheResultsStillShown) {
    ScriptedPlatform platform;
    SimpleSimulator simulator;
    RecordingView view;
    platform.answer(u"no such folder/x"_s);
    simulator.start({u"2"_s, u"2"_s, u"2"_s}, platform, view);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(platform.messages()[0].text.startsWith(
        u"Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο αρχείο\n"_s));
    ASSERT_EQ(view.shown.size(), 2u);
    EXPECT_EQ(view.shown[1].columns[0].size(), 5);
}

}  // namespace
}  // namespace orven::simple_sim
