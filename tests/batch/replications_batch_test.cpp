// A simulator run split into replications: the same figures however many run at once, today's
// run to the byte when it is not split, and a precision goal that all of them reach together.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <nlohmann/json.hpp>

#include "batch_run.h"

namespace {

using orven::testing::args;
using orven::testing::BatchRun;
using orven::testing::runBatch;

nlohmann::json jsonOf(const BatchRun& run) {
    return nlohmann::json::parse(run.out.toStdString());
}

TEST(ReplicationsTest, FiguresDependOnTheSeedAndTheReplicationsAloneNeverOnTheJobs) {
    for (const char* command : {"simple-sim", "double-sim"}) {
        SCOPED_TRACE(command);
        const QStringList run =
            args({command, "--seed", "7", "--runtime", "20000", "--format", "json"});
        const BatchRun plain = runBatch(run);
        ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
        EXPECT_EQ(runBatch(run + args({"--replications", "1", "--jobs", "2"})).out, plain.out);

        const BatchRun serial = runBatch(run + args({"--replications", "4", "--jobs", "1"}));
        const BatchRun together = runBatch(run + args({"--replications", "4", "--jobs", "2"}));
        ASSERT_EQ(serial.exitCode, 0) << serial.err.toStdString();
        EXPECT_EQ(together.out, serial.out);
        EXPECT_NE(serial.out, plain.out);
        const auto json = jsonOf(serial);
        EXPECT_EQ(json["replications"].get<int>(), 4);
        EXPECT_EQ(json["intervals"]["batch_means"].get<int>(), 4 * 20);
        // Four warm-ups of a twenty-first of a quarter each are left out.
        EXPECT_NEAR(json["clock"].get<double>(), 20000.0 * 20 / 21, 5.0);
    }
}

TEST(ReplicationsTest, APrecisionGoalLengthensEveryReplicationTogether) {
    const BatchRun run = runBatch(args({"simple-sim", "--runtime", "3000", "--precision", "0.01",
                                        "--replications", "3", "--seed", "2", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto json = jsonOf(run);
    EXPECT_TRUE(json["precision"]["reached"].get<bool>());
    const double runtime = json["runtime"].get<double>();
    EXPECT_GE(runtime, 6000.0);
    // Each replication keeps its first batch length and has as many batches as the others.
    const int batchesEach = static_cast<int>(std::lround(21 * runtime / 3000.0)) - 1;
    EXPECT_EQ(json["intervals"]["batch_means"].get<int>(), 3 * batchesEach);

    const BatchRun block =
        runBatch(args({"double-sim", "--runtime", "3000", "--replications", "3", "--seed", "2"}));
    const BatchRun single = runBatch(args({"double-sim", "--runtime", "3000", "--seed", "2"}));
    ASSERT_EQ(block.exitCode, 0) << block.err.toStdString();
    EXPECT_EQ(block.out.count("\n"), single.out.count("\n"));
    EXPECT_NE(block.out, single.out);
    EXPECT_EQ(runBatch(args({"simple-sim", "--replications", "0"})).exitCode, 2);
}

}  // namespace
