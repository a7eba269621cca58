#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <nlohmann/json.hpp>

#include "batch_run.h"
#include "scripted_platform.h"

namespace {

using orven::testing::args;
using orven::testing::BatchRun;

BatchRun batch(const QStringList& arguments, const QString& folder = QString()) {
    return orven::testing::runBatch(QStringList{QStringLiteral("simple-solver")} + arguments,
                                    folder);
}

bool allFinite(const nlohmann::json& value) {
    if (value.is_number()) return std::isfinite(value.get<double>());
    if (value.is_null()) return false;  // how the writer shows NaN and infinity
    if (value.is_array() || value.is_object()) {
        for (const auto& item : value) {
            if (!allFinite(item)) return false;
        }
    }
    return true;
}

}  // namespace

TEST(BatchCommand, JsonCarriesEveryNumberOfTheRun) {
    const BatchRun run = batch(
        args({"--populations", "5,5,5", "--experiment", "0", "--seed", "1", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = nlohmann::json::parse(run.out.toStdString());
    EXPECT_NEAR(json["S"].template get<double>(), 0.8336, 5e-5);
    EXPECT_GE(json["iterations"].template get<int>(), 2);
    ASSERT_EQ(json["classes"].size(), 3u);
    for (const auto& c : json["classes"]) {
        EXPECT_EQ(c["P"].size(), 6u);
        EXPECT_EQ(c["Xout"].size(), 6u);
        EXPECT_EQ(c["x"].size(), 6u);
        EXPECT_TRUE(c.contains("P0") && c.contains("Q") && c.contains("mu"));
    }
}

TEST(BatchCommand, BlockIsWhatTheWindowAppendsAndOutputAppendsIt) {
    QTemporaryDir folder;
    const BatchRun run = batch(args({"--populations", "5,3,4", "--experiment", "1", "--seed", "1",
                                     "--date", "2026-01-31 14:05:09", "--output", "runs"}),
                               folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile expected(QStringLiteral(ORVEN_EXPECTED_DIR "/populations_5_3_4_code1_seed1.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    const QByteArray bytes = expected.readAll();
    QFile written(folder.filePath(QStringLiteral("runs.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);
    EXPECT_EQ(run.out, orven::testing::decodeResults(bytes).toUtf8());
}

TEST(BatchCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    QTemporaryDir folder;
    const QStringList fives = args({"--populations", "5,5,5"});
    for (const auto& bad :
         {args({"--populations", "5,0,5"}), args({"--populations", "5"}),
          args({"--populations", "5,5,5,5,5"}), fives + args({"--experiment", "3"}),
          fives + args({"--format", "xml"}), args({"--experiment", "1"}),
          // A seed that is no whole number of 64 bits is refused, not read as another one.
          fives + args({"--seed", ""}), fives + args({"--seed", "-1"}),
          fives + args({"--seed", "18446744073709551616"}),
          fives + args({"--seed", "99999999999999999999999"}), fives + args({"--seed", "+1"}),
          // A path that names no file of its own would write a hidden ".txt".
          fives + args({"--output", ""}), fives + args({"--output", "/"}),
          fives + args({"--output", "."}), fives + args({"--output", "runs/"}),
          fives + args({"--output", "run\ns"})}) {
        const BatchRun run = batch(bad, folder.path());
        EXPECT_EQ(run.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
}

TEST(BatchCommand, OutputTakesARelativeOrAbsolutePathAndTheLargestSeed) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const QString absolute = folder.filePath(QStringLiteral("abs"));
    for (const QString& output : {QStringLiteral("sub/runs"), absolute}) {
        const BatchRun run =
            batch(args({"--populations", "5,5", "--seed", "18446744073709551615", "--output"}) +
                      QStringList{output},
                  folder.path());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("sub/runs.txt"))));
    EXPECT_TRUE(QFile::exists(absolute + QStringLiteral(".txt")));
}

TEST(BatchCommand, AThousandJobsPerClassPrintFiniteNumbersOrAClearFailure) {
    for (const char* seed : {"1", "3"}) {
        const BatchRun run = batch(args({"--populations", "1000,1000,1000", "--experiment", "1",
                                         "--seed", seed, "--format", "json"}));
        if (run.exitCode == 0) {
            EXPECT_TRUE(allFinite(nlohmann::json::parse(run.out.toStdString())));
        } else {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.err.contains("Σφάλμα")) << run.err.toStdString();
        }
    }
}
