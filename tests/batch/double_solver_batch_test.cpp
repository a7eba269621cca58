#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

#include "batch_run.h"
#include "scripted_platform.h"

using orven::testing::args;
using orven::testing::BatchRun;

namespace {

BatchRun batch(const QStringList& arguments, const QString& folder = QString()) {
    return orven::testing::runBatch(QStringList{QStringLiteral("double-solver")} + arguments,
                                    folder);
}

}  // namespace

TEST(DoubleSolverCommand, TheBlockIsWhatTheWindowAppends) {
    QTemporaryDir folder;
    const BatchRun run = batch(args({"--populations", "5,5,5,5,5", "--seed", "1", "--date",
                                     "2026-01-31 14:05:09", "--output", "runs"}),
                               folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile expected(QStringLiteral(ORVEN_EXPECTED_DIR "/defaults_seed1.txt"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    const QByteArray bytes = expected.readAll();
    QFile written(folder.filePath(QStringLiteral("runs.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);
    EXPECT_EQ(run.out, orven::testing::decodeResults(bytes).toUtf8());
}

TEST(DoubleSolverCommand, OffsetsAndRandomRatesReachTheRun) {
    const BatchRun run = batch(args({"--populations", "3,5,5,2,5", "--offsets", "2,1",
                                     "--experiment", "random", "--seed", "4", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = nlohmann::json::parse(run.out.toStdString());
    EXPECT_EQ(json["experiment"], 4);
    EXPECT_EQ(json["offsets"], nlohmann::json::array({2.0, 1.0}));
    EXPECT_EQ(json["classes"][0]["N"], 5);
    EXPECT_EQ(json["classes"][0]["mu"][0], 1.0);  // station 1's own rate at 0 jobs
    for (const auto& c : json["classes"]) EXPECT_EQ(c["mu"].back(), 0.0);
}

TEST(DoubleSolverCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const QStringList fives = args({"--populations", "5,5,5,5,5"});
    for (const auto& bad :
         {args({"--populations", "5,5,5,5"}), args({"--populations", "5,5,0,5,5"}),
          fives + args({"--offsets", "6,0"}), fives + args({"--offsets", "0,-1"}),
          fives + args({"--offsets", "1"}), fives + args({"--experiment", "4"})}) {
        const BatchRun run = batch(bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
