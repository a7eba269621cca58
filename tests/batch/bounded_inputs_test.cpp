// Inputs that orven-batch refuses before it computes anything: a sweep too large to hold, a
// precision that is no number, a rate table under which nothing ever moves or that says more
// than the populations use.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QElapsedTimer>

#include "batch_run.h"

namespace {

// What the refusal may take at its peak; the sanitizers' own tables add some 40 MB to any
// process. Holding the cases would take gigabytes.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kMostKilobytes = 300 * 1024;
#else
constexpr long kMostKilobytes = 100 * 1024;
#endif

using orven::testing::args;
using orven::testing::BatchRun;
using orven::testing::runBatch;

TEST(BoundedInputsTest, ASweepBeyondTheLimitIsRefusedAtOnceWithItsCount) {
    QElapsedTimer clock;
    clock.start();
    const BatchRun run = runBatch(
        args({"sweep", "simple-sim", "--populations", "5,5,5", "--seeds", "1..100000000000"}));
    EXPECT_LT(clock.elapsed(), 1000);
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, kMostKilobytes) << "kilobytes";
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("100000000000 cases")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("10000000")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(BoundedInputsTest, ProductsOfRangesCountTowardsTheLimitAndOverflowNothing) {
    for (const char* populations : {"1..32767,1..32767,1..32767", "1..4000,1..4000,5",
                                    "1..32767x3;1..32767,1..32767,1..32767"}) {
        const BatchRun run =
            runBatch(args({"sweep", "simple-solver", "--populations", populations}));
        EXPECT_EQ(run.exitCode, 2) << populations;
        EXPECT_TRUE(run.err.contains("cases, more than")) << run.err.toStdString();
    }
}

TEST(BoundedInputsTest, APrecisionThatIsNoNumberIsRefused) {
    for (const char* precision : {"NaN", "nan", "inf", "-0.1", "2"}) {
        const BatchRun run = runBatch(args({"simple-sim", "--precision", precision}));
        EXPECT_EQ(run.exitCode, 2) << precision;
    }
}

TEST(BoundedInputsTest, ARateTableUnderWhichNothingMovesOrThatSaysTooMuchIsRefused) {
    const BatchRun still =
        runBatch(args({"exact-simple", "--populations", "2,3", "--rates", "[[0,0],[0,0,0]]"}));
    EXPECT_EQ(still.exitCode, 2);
    EXPECT_TRUE(still.err.contains("no class can ever be served")) << still.err.toStdString();
    const BatchRun longer = runBatch(
        args({"exact-double", "--populations", "1,1,1,1", "--rates", "[[1],[1,1],[1],[1]]"}));
    EXPECT_EQ(longer.exitCode, 2);
    EXPECT_TRUE(longer.err.contains("row 2 has 2 rates")) << longer.err.toStdString();
}

}  // namespace
