#include <gtest/gtest.h>

#include <QFile>
#include <vector>

#include "orven/aggregation/iteration.h"
#include "orven/double_solver/double_solver.h"
#include "orven/double_solver/results.h"
#include "orven/number_text.h"
#include "scripted_platform.h"

using namespace orven;
using double_solver::DoubleSolver;
using orven::testing::ScriptedPlatform;
using solver_kit::StartEnd;

namespace {

QByteArray expectedFile(const char* name) {
    QFile file(QStringLiteral(ORVEN_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void enter(DoubleSolver& solver, const std::vector<double>& stations, int code) {
    solver.chooseExperiment(code);
    for (std::size_t k = 0; k < stations.size(); ++k) {
        solver.setPopulation(static_cast<int>(k), stations[k]);
    }
}

QStringList fileLines(const ScriptedPlatform& platform) {
    QStringList lines = orven::testing::decodeResults(platform.resultsFile(QStringLiteral("out")))
                            .split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

// The numbers of a row of table Β or Γ.
std::vector<double> numbers(const QString& row) {
    std::vector<double> values;
    const QStringList parts = row.mid(1, row.size() - 2).split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) values.push_back(part.toDouble());
    return values;
}

}  // namespace

// The expected file was checked line by line against the layout of a results block.
TEST(DoubleRun, TheDefaultsAppendExactlyTheExpectedBytes) {
    DoubleSolver solver;
    ScriptedPlatform platform(1);
    platform.answer(QStringLiteral("out"));
    const auto result = solver.start(platform);
    ASSERT_EQ(result.end, StartEnd::Completed);
    const QByteArray expected = expectedFile("defaults_seed1.txt");
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(platform.resultsFile(QStringLiteral("out")), expected);
    EXPECT_EQ(platform.prompts().front().defaultAnswer, QStringLiteral("ORVEN DOUBLE"));
}

TEST(DoubleRun, ReferenceOutputsOfTheReducedNetwork) {
    struct Case {
        std::vector<double> stations;
        int code;
        double S;
    };
    const Case cases[] = {
        {{5, 5, 5, 5, 5}, 0, 0.8306},
        {{5, 5, 5, 5, 5}, 1, 0.1248},
        {{5, 5, 5, 5, 5}, 2, 0.6870},
        {{3, 4, 5, 2, 6}, 0, 0.7991},
    };
    for (const auto& c : cases) {
        DoubleSolver solver;
        enter(solver, c.stations, c.code);
        ScriptedPlatform platform(11);
        const auto result = solver.start(platform);
        ASSERT_EQ(result.end, StartEnd::Completed);
        EXPECT_EQ(result.iteration->end, aggregation::IterationEnd::Converged);
        EXPECT_NEAR(result.iteration->S, c.S, 1e-4) << c.code;
    }
}

TEST(DoubleRun, ReferenceRowsOfTheDefaults) {
    DoubleSolver solver;
    ScriptedPlatform platform(5);
    platform.answer(QStringLiteral("out"));
    ASSERT_EQ(solver.start(platform).end, StartEnd::Completed);
    const QStringList lines = fileLines(platform);
    ASSERT_EQ(lines.size(), 30);

    const std::vector<double> probabilities1{.0158, .0052, .0062, .0112, .0169, .033,
                                             .052,  .1016, .1526, .275,  .3304};
    const std::vector<double> probabilities{.3544, .0943, .1091, .1264, .1463, .1694,
                                            0,     0,     0,     0,     0};
    const std::vector<double> output1{0,    3.043, .832, .832, .832, .832,
                                      .832, .832,  .832, .832, .832};
    const std::vector<double> output{0, 3.76, .863, .863, .863, .863, 0, 0, 0, 0, 0};
    for (int i = 1; i <= 4; ++i) {
        const auto P = numbers(lines[14 + i]);
        const auto X = numbers(lines[21 + i]);
        ASSERT_EQ(P.size(), 11u);
        ASSERT_EQ(X.size(), 11u);
        for (std::size_t n = 0; n < 11; ++n) {
            // The start is random: the last digit may differ.
            EXPECT_NEAR(P[n], (i == 1 ? probabilities1 : probabilities)[n], 1.5e-4) << i << n;
            EXPECT_NEAR(X[n], (i == 1 ? output1 : output)[n], 1.5e-3) << i << n;
        }
    }
}

TEST(DoubleRun, ExperimentsAreNamedAndRecordedByTheirNumbers) {
    struct Case {
        int code;
        QString title;
        std::vector<std::optional<double>> rates;
    };
    const Case cases[] = {
        {0, QStringLiteral("ΠΕΙΡΑΜΑ 1"), {1, 1, 1, 1}},
        {1, QStringLiteral("ΠΕΙΡΑΜΑ 3"), {1, .5, .25, .125}},
        {2, QStringLiteral("ΠΕΙΡΑΜΑ 2"), {1, .909, .833, .769}},
        {4, QStringLiteral("ΠΕΙΡΑΜΑ 2"), {{}, {}, {}, {}}},
    };
    for (const auto& c : cases) {
        DoubleSolver solver;
        ScriptedPlatform platform(2);
        platform.answer(QStringLiteral("out"));
        solver_kit::SolverView quiet;
        if (c.code == 4) {
            ASSERT_TRUE(solver.drawRandomRates(platform, quiet).has_value());
        } else {
            solver.chooseExperiment(c.code);
        }
        const auto result = solver.start(platform);
        ASSERT_EQ(result.end, StartEnd::Completed);
        EXPECT_EQ(fileLines(platform)[3], QLatin1Char('"') + c.title + QLatin1Char('"'));

        const auto& summary = solver.summary();
        EXPECT_EQ(summary.cell(1, 0), c.code == 0 ? 1 : c.code == 1 ? 3 : c.code);
        for (int column = 1; column <= 5; ++column) {
            EXPECT_EQ(summary.cell(1, column), column == 1 ? 4 : column == 2 ? 10 : 5);
        }
        for (int i = 0; i < 4; ++i) EXPECT_EQ(summary.cell(1, 6 + i), c.rates[i]) << c.code;
        EXPECT_EQ(summary.cell(1, 10), truncateTo(result.iteration->S, 10000));
    }
}
