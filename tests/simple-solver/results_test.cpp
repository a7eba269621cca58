#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <vector>

#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/number_text.h"
#include "orven/simple_solver/results.h"
#include "orven/simple_solver/simple_solver.h"
#include "orven/simple_solver/summary.h"
#include "orven/solver_kit/output_rates.h"
#include "scripted_platform.h"

using namespace orven;
using aggregation::SolverState;
using orven::testing::ScriptedPlatform;
using simple_solver::SimpleSolver;

namespace {

QByteArray expectedFile(const char* name) {
    QFile file(QStringLiteral(ORVEN_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SimpleSolver solverWith(double R, const std::vector<double>& populations, int code) {
    SimpleSolver solver;
    solver.setR(R);
    solver.chooseExperiment(code);
    for (std::size_t k = 0; k < populations.size(); ++k) {
        solver.setPopulation(static_cast<int>(k), populations[k]);
    }
    solver.setUp();
    return solver;
}

// N = (2, 2, 2), all rates 1, partner rates (1, 1, 0): every state of a class equally likely.
SolverState workedExample() {
    SimpleSolver solver = solverWith(3, {2, 2, 2}, 0);
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
        std::vector<double> populations;
        int code;
    };
    const Case cases[] = {
        {"defaults_seed1.txt", {}, 0},
        {"populations_5_3_4_code1_seed1.txt", {5, 3, 4}, 1},
    };
    for (const auto& c : cases) {
        SimpleSolver solver = solverWith(3, c.populations, c.code);
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
        double R;
        qsizetype lines;
        QString populationLine;
    };
    const Case cases[] = {
        {2, 25, QStringLiteral("\"Nr(1) = \",5,\" Nr(2)= \",5")},
        {4, 31, QStringLiteral("\"Nr(1) = \",5,\" Nr(2)= \",5,\" Nr(3) = \",5,\" Nr(4) = \",5")},
    };
    for (const auto& c : cases) {
        SimpleSolver solver = solverWith(c.R, {}, 2);
        ScriptedPlatform platform(3);
        ASSERT_EQ(solver.start(platform).end, solver_kit::StartEnd::Completed);
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
    const aggregation::Table Xout = solver_kit::findXout(state);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(Xout(i, 1), 3, 1e-14);
        EXPECT_NEAR(Xout(i, 2), 1, 1e-14);
        EXPECT_EQ(Xout(i, 0), 0);
    }
    const auto lists = solver_kit::outputLists(state, Xout, 1, QLocale(QLocale::C));
    EXPECT_EQ(lists.states, QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(lists.rates[0],
              QStringList({QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("---------")}));
    const QStringList lines = simple_solver::findXallBlock(state, Xout, 0, QDateTime()).lines();
    EXPECT_EQ(lines[21], QStringLiteral("\" 0 3 1\""));
}

TEST(OutputRates, ListsTruncateShowZeroAsEmptyAndFollowTheLocale) {
    SolverState state = workedExample();
    aggregation::Table Xout(4, 3);
    Xout(1, 1) = 0.5;
    Xout(1, 2) = 2.71828;
    Xout(2, 1) = 1.9999;  // truncated, not rounded
    const auto c = solver_kit::outputLists(state, Xout, 1, QLocale(QLocale::C));
    EXPECT_EQ(c.rates[0], QStringList({QStringLiteral("0.5"), QStringLiteral("2.718"),
                                       QStringLiteral("---------")}));
    EXPECT_EQ(c.rates[1],
              QStringList({QStringLiteral("1.999"), QString(), QStringLiteral("---------")}));
    EXPECT_EQ(c.rates[2], QStringList({QString(), QString(), QStringLiteral("---------")}));
    const auto greek =
        solver_kit::outputLists(state, Xout, 1, QLocale(QLocale::Greek, QLocale::Greece));
    EXPECT_EQ(greek.rates[0][0], QStringLiteral("0,5"));
    // The file writes a 0 where the list shows nothing.
    const QStringList lines = simple_solver::findXallBlock(state, Xout, 0, QDateTime()).lines();
    EXPECT_EQ(lines[22], QStringLiteral("\" 0 1.999 0\""));
}

TEST(OutputRates, AClassOfOneJobShowsOneRateAndEmptyItems) {
    SimpleSolver solver = solverWith(3, {1, 4, 4}, 0);
    ScriptedPlatform platform(5);
    const auto result = solver.start(platform);
    ASSERT_EQ(result.end, solver_kit::StartEnd::Completed);
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
    EXPECT_EQ(solver.summary().headings()[9], QStringLiteral("Χ"));
}

TEST(SummaryWindow, TheFifteenthRowHasNoEmptyItemAfterIt) {
    solver_kit::RunSummary summary(simple_solver::summaryHeadings());
    SolverState state = workedExample();
    for (int run = 0; run < 16; ++run) {
        EXPECT_EQ(summary.record(simple_solver::summaryRow(2, state, 0.74856)), run < 15);
    }
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
    solver_kit::RunSummary summary(simple_solver::summaryHeadings());
    SimpleSolver solver = solverWith(2, {}, 1);
    summary.record(simple_solver::summaryRow(1, solver.state(), 0.5));
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
