#include <gtest/gtest.h>

#include <QFile>

#include "orven/double_sim/results_record.h"
#include "orven/double_sim/simulator.h"
#include "run_helpers.h"

namespace orven::double_sim {
namespace {

using namespace Qt::StringLiterals;
using orven::testing::ScriptedPlatform;
using testing::RecordingView;

const PopulationTexts kDefaults = {u"5"_s, u"5"_s, u"5"_s, u"5"_s};
const QString kDefaultAnswer = u"ORVEN orven-sim"_s;
// The report's first section, then its second.
constexpr qsizetype kReportLines = 28;
constexpr qsizetype kDistributionLines = 3;

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = orven::testing::decodeResults(bytes).split(u"\r\n"_s);
    EXPECT_EQ(lines.takeLast(), QString()) << "every line ends with CR LF";
    return lines;
}

// The number texts of a row of table A or B, or of the distribution line.
QStringList entriesOf(const QString& line) {
    return line.chopped(1).mid(1).split(u' ', Qt::SkipEmptyParts);
}

// The layout of this file was checked line by line against the rules of the report: the two
// empty lines, the date, "ΠΕΙΡΑΜΑ 1" as one text, the program's name, the line about queue 5,
// the run length between its texts, the four populations with " Nr(5) = " for the field Ν5;
// table A with four rows of six entries (a blank, the rate, two blanks); table B with six rows;
// X1 and X2 on one line; and after another empty line, " p(n(2)+n(4))" and one text of six
// entries joined with nothing between them.
TEST(ReportTest, DefaultRunMatchesTheCheckedReportByteForByte) {
    ScriptedPlatform platform(1);
    DoubleSimulator simulator;
    RecordingView view;
    ASSERT_EQ(simulator.start(kDefaults, platform, view), sim::StartOutcome::Completed);
    QFile expected(QStringLiteral(DOUBLE_SIM_TEST_DATA "/default_run_report.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    const QByteArray file = platform.resultsFile(kDefaultAnswer);
    EXPECT_EQ(file, expected.readAll());
    EXPECT_EQ(simulator.lastReport().encoded(), file) << "what orven-batch prints";
}

TEST(ReportTest, AFileThatCannotBeWrittenIsReportedOnceAndTheResultsStillShown) {
    ScriptedPlatform platform;
    DoubleSimulator simulator;
    RecordingView view;
    std::vector<sim::ResultsContent> shownAtMessage;
    platform.onMessage([&](const auto&) { shownAtMessage = view.shown; });
    platform.answer(u"no such folder/x"_s);
    simulator.start({u"2"_s, u"2"_s, u"2"_s, u"2"_s}, platform, view);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(platform.messages()[0].text.startsWith(
        u"Δεν ήταν δυνατή η αποθήκευση των αποτελεσμάτων στο αρχείο\n"_s));
    // The window showed the state numbers, then the probabilities and outputs before the file
    // was written, and the totals after.
    ASSERT_EQ(shownAtMessage.size(), 2u);
    EXPECT_TRUE(shownAtMessage[0].columns.empty());
    EXPECT_EQ(shownAtMessage[1].states, (QStringList{u"0"_s, u"1"_s, u"2"_s}));
    EXPECT_EQ(shownAtMessage[1].columns.size(), 6u);
    EXPECT_EQ(shownAtMessage[1].columns[0].size(), 3);
    EXPECT_EQ(shownAtMessage[1].outputs.size(), 2);
    ASSERT_EQ(view.shown.size(), 3u);
    EXPECT_EQ(view.shown[2].states.mid(3), (QStringList{u"---"_s, QString()}));
    EXPECT_EQ(view.shown[2].columns[5].size(), 5);
    EXPECT_EQ(simulator.fileName(), u"no such folder/x"_s);
}

TEST(ReportTest, PopulationsOf32767RunAndReportInMemoryLinearInThem) {
    ScriptedPlatform platform;
    platform.drawDirectly();
    DoubleSimulator simulator;
    simulator.controller().setRuntime(20.0f);
    RecordingView view;
    const PopulationTexts largest = {u"32767"_s, u"32767"_s, u"32767"_s, u"32767"_s};
    ASSERT_EQ(simulator.start(largest, platform, view), sim::StartOutcome::Completed);
    // One row per queue and one for queues 2 and 5 together: no table of every pair of lengths
    // (which would take 8 GB) stands behind the distribution.
    EXPECT_EQ(simulator.lastRun().T.rows(), kQueues + 1);
    EXPECT_EQ(simulator.lastRun().T.nmax(), 32767);
    const QStringList lines = linesOf(platform.resultsFile(kDefaultAnswer));
    ASSERT_EQ(lines.size(), kReportLines + kDistributionLines);
    EXPECT_EQ(entriesOf(lines[13]).size(), 32768);
    EXPECT_EQ(entriesOf(lines[19]).size(), 32768);
    EXPECT_EQ(entriesOf(lines[30]).size(), 32768);
    EXPECT_EQ(view.shown.back().columns[3].size(), 32768 + 2);
    Fixed4 total;
    for (const Fixed4 p : simulator.estimates().p24()) total += p;
    EXPECT_NEAR(total.toDouble(), 1.0, 0.001);
}

}  // namespace
}  // namespace orven::double_sim
