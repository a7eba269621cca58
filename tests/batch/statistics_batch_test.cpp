// orven-batch's figures of how far to trust a result: sweeps that repeat however they are
// split, runs that go on until they are precise enough, and exact values for any rate table.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <nlohmann/json.hpp>

#include "batch_run.h"

namespace {

using orven::testing::args;
using orven::testing::BatchRun;
using orven::testing::runBatch;

QStringList lines(const BatchRun& run) {
    return QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
}

// The lines of a slice without the comment lines that name its sweep and end it.
QStringList sliceLines(const BatchRun& run) {
    return lines(run).filter(QRegularExpression(QStringLiteral("^[^#]")));
}

nlohmann::json jsonOf(const BatchRun& run) {
    return nlohmann::json::parse(run.out.toStdString());
}

const QStringList kGrid =
    args({"sweep", "simple-solver", "--populations", "1..10,1..10,5", "--experiment", "0",
          "--with-exact", "--format", "csv", "--no-timing"});

TEST(SweepTest, AWholeSweepAndItsSlicesJoinedGiveTheSameRowsInCaseOrder) {
    const BatchRun whole = runBatch(kGrid);
    ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
    const QStringList rows = lines(whole);
    ASSERT_EQ(rows.size(), 1 + 100);
    EXPECT_EQ(rows[0], QStringLiteral("case,N1,N2,N3,experiment,seed,S,iterations,end,exact,"
                                      "deviation_percent,states,exact_note"));
    for (qsizetype k = 1; k < rows.size(); ++k) {
        const QStringList cells = rows[k].split(u',');
        ASSERT_EQ(cells.size(), 13) << rows[k].toStdString();
        EXPECT_EQ(cells[0].toInt(), k) << "case order";
        EXPECT_EQ(cells[8], QStringLiteral("converged"));
        // The aggregation stays within a few per cent of the truth on this grid.
        const double deviation = cells[10].toDouble();
        EXPECT_LT(std::abs(deviation), 10.0) << rows[k].toStdString();
    }

    const BatchRun first = runBatch(kGrid + args({"--shard", "1/2", "--jobs", "1"}));
    const BatchRun second = runBatch(kGrid + args({"--shard", "2/2", "--jobs", "3"}));
    ASSERT_EQ(first.exitCode, 0);
    ASSERT_EQ(second.exitCode, 0);
    const QStringList joined = sliceLines(first) + sliceLines(second).mid(1);
    EXPECT_EQ(joined, rows);
}

TEST(SweepTest, PopulationsTakeEqualRunsAndAlternativesOfTheirOwnLength) {
    const BatchRun run = runBatch(args({"sweep", "simple-solver", "--populations", "1..2x3;4,5",
                                        "--experiment", "0..1", "--no-timing"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList inputs;
    for (const QString& row : lines(run).mid(1)) inputs << row.section(u',', 1, 4);
    EXPECT_EQ(inputs, QStringList({QStringLiteral("1,1,1,0"), QStringLiteral("1,1,1,1"),
                                   QStringLiteral("2,2,2,0"), QStringLiteral("2,2,2,1"),
                                   QStringLiteral("4,5,,0"), QStringLiteral("4,5,,1")}));
    for (const char* bad : {"0..3,5", "5..1,5", "1..3x5", "1,2,3,4,5"}) {
        EXPECT_EQ(runBatch(args({"sweep", "simple-solver", "--populations", bad})).exitCode, 2)
            << bad;
    }
    EXPECT_EQ(runBatch(args({"sweep", "simple-solver", "--populations", "5,5", "--shard", "3/2"}))
                  .exitCode,
              2);
}

TEST(SweepTest, SimulatorCasesRepeatExactlyWhateverTheThreadsAndTheSlices) {
    const QStringList sweep =
        args({"sweep", "simple-sim", "--populations", "2..3,2,2", "--experiment", "0,1", "--seeds",
              "1..2", "--runtime", "5000", "--no-timing", "--with-exact"});
    const BatchRun one = runBatch(sweep + args({"--jobs", "1"}));
    const BatchRun slice = runBatch(sweep + args({"--shard", "2/3", "--jobs", "2"}));
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const QStringList rows = lines(one);
    ASSERT_EQ(rows.size(), 1 + 8);
    EXPECT_TRUE(sliceLines(slice).mid(1).size() > 0);
    for (const QString& row : sliceLines(slice).mid(1))
        EXPECT_TRUE(rows.contains(row)) << row.toStdString();
    // Every case has its own seed: two seeds of one case differ.
    EXPECT_NE(rows[1].section(u',', 7), rows[2].section(u',', 7));
}

TEST(PrecisionTest, ARunGoesOnUntilTheHalfWidthOfXIsWithinTheTarget) {
    const BatchRun run = runBatch(args({"simple-sim", "--runtime", "20000", "--precision", "0.004",
                                        "--seed", "1", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = jsonOf(run);
    const auto& precision = json["precision"];
    EXPECT_TRUE(precision["reached"].get<bool>());
    EXPECT_LE(precision["relative_half_width"].get<double>(), 0.004);
    // The run went on past its first length, by doublings, and its record says how long.
    const double runtime = json["runtime"].get<double>();
    EXPECT_GT(runtime, 20000.0);
    const double doublings = std::log2(runtime / 20000.0);
    EXPECT_GE(doublings, 1.0);
    EXPECT_DOUBLE_EQ(doublings, std::round(doublings));
    EXPECT_GT(json["clock"].get<double>(), runtime);
    EXPECT_NEAR(json["intervals"]["X"][0].get<double>() / json["X"].get<double>(),
                precision["relative_half_width"].get<double>(), 1e-3);
    EXPECT_TRUE(run.err.contains("precision 0.004 reached at run length"));
}

TEST(PrecisionTest, ARunThatCannotReachItsTargetStopsAtItsLongestLengthAndSaysSo) {
    const BatchRun run =
        runBatch(args({"double-sim", "--runtime", "10000", "--precision", "0.0001", "--max-runtime",
                       "30000", "--seed", "1", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = jsonOf(run);
    EXPECT_FALSE(json["precision"]["reached"].get<bool>());
    EXPECT_EQ(json["runtime"].get<double>(), 30000.0);
    EXPECT_TRUE(run.err.contains("not reached"));

    const BatchRun refused = runBatch(
        args({"simple-sim", "--runtime", "10000", "--precision", "0.01", "--max-runtime", "5000"}));
    EXPECT_EQ(refused.exitCode, 2);
}

TEST(ExactRatesTest, ARateTableGivenAsJsonIsSolvedLikeThePresetItSpellsOut) {
    const BatchRun preset = runBatch(
        args({"exact-simple", "--populations", "2,3", "--experiment", "1", "--format", "json"}));
    const BatchRun table = runBatch(args({"exact-simple", "--populations", "2,3", "--rates",
                                          "[[1,1],[0.5,0.5,0.5]]", "--format", "json"}));
    ASSERT_EQ(preset.exitCode, 0);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_EQ(jsonOf(table)["rates"], "table");
    EXPECT_DOUBLE_EQ(jsonOf(table)["throughput"].get<double>(),
                     jsonOf(preset)["throughput"].get<double>());

    EXPECT_EQ(
        runBatch(args({"exact-double", "--populations", "2,2,2,2", "--rates", "[[1,"})).exitCode,
        2);
    // A table short of a rate is the exact solution's refusal.
    EXPECT_EQ(runBatch(args({"exact-simple", "--populations", "2,3", "--rates", "[[1],[1,1,1]]"}))
                  .exitCode,
              1);
}

TEST(ExactRatesTest, WithExactPutsTheExactValueBesideEveryRun) {
    const auto sim = jsonOf(runBatch(args(
        {"double-sim", "--runtime", "20000", "--seed", "1", "--format", "json", "--with-exact"})));
    ASSERT_EQ(sim["exact"]["z"].size(), 2u);
    EXPECT_NEAR(sim["exact"]["throughputs"][0].get<double>(), 0.8376569, 1e-6);
    const auto solver = jsonOf(runBatch(args({"double-solver", "--populations", "5,5,5,5,5",
                                              "--seed", "1", "--format", "json", "--with-exact"})));
    EXPECT_NEAR(solver["exact"]["deviation_percent"][0].get<double>(), -0.85, 0.05);
    const auto apart = jsonOf(runBatch(args({"double-solver", "--populations", "5,5,5,4,5",
                                             "--seed", "1", "--format", "json", "--with-exact"})));
    EXPECT_TRUE(apart["exact"].contains("unavailable"));
}

}  // namespace
