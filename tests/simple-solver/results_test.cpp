#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <vector>

#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/number_text.h"
#include "orven/simple/output_rates.h"
#include "orven/simple/results.h"
#include "orven/simple/simple_solver.h"
#include "orven/simple/summary.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::SolverState;
using orven::testing::ScriptedPlatform;
using simple::SimpleSolver;

namespace {

QByteArray expectedFile(const char* name) {
    QFile file(QStringLiteral(ORVEN_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SimpleSolver solverWith(const QString& R, const QStringList& populations, int code) {
    SimpleSolver solver;
    solver.editR(R);
    solver.chooseExperiment(code);
    for (int k = 0; k < populations.size(); ++k) solver.editPopulation(k, populations[k]);
    solver.setUp();
    return solver;
}

// N = (2, 2, 2), all rates 1, partner rates (1, 1, 0): every state of a class equally likely.
SolverState workedExample() {
    SimpleSolver solver = solverWith(
        QStringLiteral("3"), {QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")}, 0);
    SolverState state = solver.state();
    aggregation::prepareIteration(state);
    for (int i = 1; i <= 3; ++i) {
        state.x(i, 0) = 1;
        state.x(i, 1) = 1;
        aggregation::solveClass(state, i);
    }
    return state;
}

}  // namespace

// The expected files were checked line by line against the layout of a results block.
TEST(ResultsBlock, AWholeRunAppendsExactlyTheExpectedBytes) {
    struct Case {
        const char* file;
        QStringList populations;
        int code;
    };
    const Case cases[] = {
        {"defaults_seed1.txt", {}, 0},
        {"populations_5_3_4_code1_seed1.txt",
         {QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("4")},
         1},
    };
    for (const auto& c : cases) {
        SimpleSolver solver = solverWith(QStringLiteral("3"), c.populations, c.code);
        ScriptedPlatform platform(1);
        platform.answer(QStringLiteral("out"));
        solver.start(platform);
        const QByteArray expected = expectedFile(c.file);
        ASSERT_FALSE(expected.isEmpty()) << c.file;
        EXPECT_EQ(platform.resultsFile(QStringLiteral("out")), expected) << c.file;
    }
}

TEST(ResultsBlock, TwoAndFourClassesWriteTheirOwnRows) {
    struct Case {
        QString R;
        qsizetype lines;
        QString populationLine;
    };
    const Case cases[] = {
        {QStringLiteral("2"), 25, QStringLiteral("\"Nr(1) = \",5,\" Nr(2)= \",5")},
        {QStringLiteral("4"), 31,
         QStringLiteral("\"Nr(1) = \",5,\" Nr(2)= \",5,\" Nr(3) = \",5,\" Nr(4) = \",5")},
    };
    for (const auto& c : cases) {
        SimpleSolver solver = solverWith(c.R, {}, 2);
        ScriptedPlatform platform(3);
        ASSERT_EQ(solver.start(platform).end, simple::StartEnd::Completed);
        QStringList lines =
            orven::testing::decodeResults(platform.resultsFile(QStringLiteral("ORVEN SIMPLE ")))
                .split(QStringLiteral("\r\n"));
        lines.removeLast();
        EXPECT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[5], c.populationLine);
    }
}

TEST(OutputRates, WorkedExampleGivesThreeAndOne) {
    const SolverState state = workedExample();
    const aggregation::Table Xout = simple::findXout(state);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(Xout(i, 1), 3, 1e-14);
        EXPECT_NEAR(Xout(i, 2), 1, 1e-14);
        EXPECT_EQ(Xout(i, 0), 0);
    }
    const auto lists = simple::outputLists(state, Xout, QLocale(QLocale::C));
    EXPECT_EQ(lists.states, QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(lists.rates[0],
              QStringList({QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("---------")}));
    const QStringList lines = simple::findXallBlock(state, Xout, 0, QDateTime()).lines();
    EXPECT_EQ(lines[21], QStringLiteral("\" 0 3 1\""));
}

TEST(OutputRates, ListsTruncateShowZeroAsEmptyAndFollowTheLocale) {
    SolverState state = workedExample();
    aggregation::Table Xout(4, 3);
    Xout(1, 1) = 0.5;
    Xout(1, 2) = 2.71828;
    Xout(2, 1) = 1.9999;  // truncated, not rounded
    const auto c = simple::outputLists(state, Xout, QLocale(QLocale::C));
    EXPECT_EQ(c.rates[0], QStringList({QStringLiteral("0.5"), QStringLiteral("2.718"),
                                       QStringLiteral("---------")}));
    EXPECT_EQ(c.rates[1],
              QStringList({QStringLiteral("1.999"), QString(), QStringLiteral("---------")}));
    EXPECT_EQ(c.rates[2], QStringList({QString(), QString(), QStringLiteral("---------")}));
    const auto greek = simple::outputLists(state, Xout, QLocale(QLocale::Greek, QLocale::Greece));
    EXPECT_EQ(greek.rates[0][0], QStringLiteral("0,5"));
    // The file writes a 0 where the list shows nothing.
    const QStringList lines = simple::findXallBlock(state, Xout, 0, QDateTime()).lines();
    EXPECT_EQ(lines[22], QStringLiteral("\" 0 1.999 0\""));
}

TEST(OutputRates, AClassOfOneJobShowsOneRateAndEmptyItems) {
    SimpleSolver solver = solverWith(
        QStringLiteral("3"), {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("4")}, 0);
    ScriptedPlatform platform(5);
    const auto result = solver.start(platform);
    ASSERT_EQ(result.end, simple::StartEnd::Completed);
    const QStringList& first = result.lists.rates[0];
    ASSERT_EQ(first.size(), 5);
    EXPECT_FALSE(first[0].isEmpty());
    for (int n = 1; n < 4; ++n) EXPECT_TRUE(first[n].isEmpty());
    EXPECT_EQ(result.lists.states.size(), 4);
}

TEST(SummaryWindow, ListsRowsWithEmptyItemsBetweenThem) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    const auto result = solver.start(platform);
    const auto lists = solver.summary().windowLists(QLocale(QLocale::C));
    ASSERT_EQ(lists[0].size(), 30);
    for (int r = 1; r <= 15; ++r) {
        EXPECT_EQ(lists[0][2 * (r - 1)], QString::number(r));
        EXPECT_TRUE(lists[0][2 * r - 1].isEmpty());
    }
    const QStringList row{QStringLiteral("1"),
                          QStringLiteral("3"),
                          QStringLiteral("5"),
                          QStringLiteral("5"),
                          QStringLiteral("5"),
                          QStringLiteral("1"),
                          QStringLiteral("1"),
                          QStringLiteral("1"),
                          displayForm(truncateTo(result.iteration->S, 10000), QLocale(QLocale::C))};
    for (int c = 1; c < 10; ++c) EXPECT_EQ(lists[c], QStringList({row[c - 1], QString()}));
    EXPECT_EQ(row[8], QStringLiteral("0.8336"));
    EXPECT_EQ(simple::RunSummary::headings()[9], QStringLiteral("Χ"));
}

TEST(SummaryWindow, TheFifteenthRowHasNoEmptyItemAfterIt) {
    simple::RunSummary summary;
    SolverState state = workedExample();
    for (int run = 0; run < 16; ++run) summary.record(2, state, 0.74856);
    const auto lists = summary.windowLists(QLocale(QLocale::C));
    for (int c = 1; c < 10; ++c) {
        ASSERT_EQ(lists[c].size(), 29);
        EXPECT_FALSE(lists[c].back().isEmpty());
    }
    EXPECT_EQ(lists[1].back(), QStringLiteral("2"));
    EXPECT_EQ(lists[7].back(), QStringLiteral("0.909"));
    EXPECT_EQ(lists[8].back(), QStringLiteral("0.833"));
    EXPECT_EQ(lists[9].back(), QStringLiteral("0.7485"));
}

TEST(SummaryWindow, TwoClassesLeaveTheThirdPopulationEmpty) {
    simple::RunSummary summary;
    SimpleSolver solver = solverWith(QStringLiteral("2"), {}, 1);
    summary.record(1, solver.state(), 0.5);
    const auto lists = summary.windowLists(QLocale(QLocale::C));
    EXPECT_EQ(lists[1][0], QStringLiteral("3"));
    EXPECT_EQ(lists[2][0], QStringLiteral("2"));
    EXPECT_EQ(lists[4][0], QStringLiteral("5"));
    EXPECT_TRUE(lists[5][0].isEmpty());
    EXPECT_EQ(lists[8][0], QStringLiteral("0.25"));
}

TEST(OutputRates, TruncationTakesAWholeNumberWithinRoundingErrorAsWhole) {
    struct Case {
        double value, scale, shown;
    };
    const Case cases[] = {
        {0.6 / 0.2, 1000, 3},  // 2.9999999999999996
        {1.9999, 1000, 1.999},
        {0.83361763, 10000, 0.8336},
        {0.8339999, 1000, 0.833},
        {2.0000000000000004, 1000, 2},
        {0, 1000, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(truncateTo(c.value, c.scale), c.shown) << c.value;
    }
}
