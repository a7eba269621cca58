#include "orven/sim/batch_means.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace orven::sim {
namespace {

// A run of one queue that holds 0 or 1 job and one output, fed batch by batch: the time table
// and the counter grow as told, and the batch means are known in advance.
struct FedRun {
    TimeTable T{1, 1};
    std::int64_t count = 0;
    double clock = 0.0;
    BatchMeans batches;

    explicit FedRun(double runtime) { batches.start(runtime, totals()); }
    RunTotals totals() const { return {clock, &T, {count}, 1}; }
    // A batch of `length` in which the queue held a job for `busy` of the time and the station
    // fired `firings` times, ended as the run loop ends it.
    void feed(double length, double busy, std::int64_t firings) {
        T(1, 1) += busy;
        T(1, 0) += length - busy;
        count += firings;
        clock += length;
        if (clock >= batches.nextBoundary()) batches.close(totals());
    }
};

double sampleDeviation(const std::vector<double>& values) {
    const auto n = static_cast<double>(values.size());
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
    double squares = 0.0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / (n - 1));
}

TEST(BatchMeansTest, HalfWidthsAreStudentsTOverTheMeansOfEveryBatchButTheFirst) {
    FedRun run(21.0);
    std::vector<double> firings;
    std::vector<double> busy;
    // The warm-up is wildly off, and must not count.
    run.feed(1.0, 0.9, 1000);
    for (int b = 2; b <= kBatches; ++b) {
        firings.push_back(b % 3);
        busy.push_back(0.1 * (b % 4));
        run.feed(1.0, busy.back(), b % 3);
    }
    run.batches.finish(run.totals());
    EXPECT_EQ(run.batches.batches(), kBatches);
    const auto intervals = run.batches.intervals();
    ASSERT_TRUE(intervals);
    EXPECT_EQ(intervals->batchMeans, kBatches - 1);
    // Student's t with 19 degrees of freedom, from a table.
    EXPECT_NEAR(studentQuantile975(19), 2.0930, 1e-4);
    const double n = kBatches - 1;
    EXPECT_NEAR(intervals->standardErrorX[0], sampleDeviation(firings) / std::sqrt(n), 1e-12);
    EXPECT_NEAR(intervals->halfWidthX[0], 2.0930 * sampleDeviation(firings) / std::sqrt(n), 1e-4);
    EXPECT_NEAR(intervals->halfWidthP(1, 1), 2.0930 * sampleDeviation(busy) / std::sqrt(n), 1e-4);
    EXPECT_NEAR(intervals->halfWidthP(1, 0), intervals->halfWidthP(1, 1), 1e-12);
}

TEST(BatchMeansTest, BatchMeansDivideByTheBatchesOwnDurations) {
    FedRun run(21.0);
    run.feed(1.0, 0.5, 1);
    // Batches that end late are longer: the same firing rate of 2 from different lengths.
    for (const double length : {1.5, 1.0, 1.5, 2.0})
        run.feed(length, 0.0, std::llround(2 * length));
    const auto intervals = run.batches.intervals();
    ASSERT_TRUE(intervals);
    EXPECT_EQ(intervals->batchMeans, 4);
    EXPECT_NEAR(intervals->halfWidthX[0], 0.0, 1e-12);
}

TEST(BatchMeansTest, ARunCutShortHasNoIntervalAndAPartialLastBatchDoesNotCount) {
    FedRun shortRun(21.0);
    for (int b = 1; b <= kFewestBatchMeans; ++b) shortRun.feed(1.0, 0.5, b);
    EXPECT_FALSE(shortRun.batches.intervals()) << "the warm-up and two means";

    // Half a batch at the end of a run is not a batch; a batch short by a rounding is.
    FedRun halfLast(21.0);
    for (int b = 1; b <= 4; ++b) halfLast.feed(1.0, 0.5, b);
    halfLast.feed(0.5, 0.5, 100);
    halfLast.batches.finish(halfLast.totals());
    EXPECT_EQ(halfLast.batches.batches(), 4);
    FedRun roundedLast(21.0);
    for (int b = 1; b <= 4; ++b) roundedLast.feed(1.0, 0.5, b);
    roundedLast.clock += 0.999999;
    roundedLast.batches.finish(roundedLast.totals());
    EXPECT_EQ(roundedLast.batches.batches(), 5);
}

TEST(BatchMeansTest, AStepPastSeveralBoundariesEndsOneBatchAndTheNextEndsAtTheBoundaryAhead) {
    FedRun run(21.0);
    run.feed(3.5, 1.0, 3);
    EXPECT_EQ(run.batches.batches(), 1);
    EXPECT_DOUBLE_EQ(run.batches.nextBoundary(), 4.0);
}

TEST(BatchMeansTest, RelativeHalfWidthOfTheOutputsNeedsAnIntervalAndAnOutput) {
    FedRun run(21.0);
    for (int b = 1; b <= 5; ++b) run.feed(1.0, 0.5, b % 2 + 1);
    const auto relative = run.batches.largestRelativeHalfWidthX(run.totals());
    ASSERT_TRUE(relative);
    EXPECT_NEAR(
        *relative,
        run.batches.intervals()->halfWidthX[0] / (static_cast<double>(run.count) / run.clock),
        1e-12);
    FedRun idle(21.0);
    for (int b = 1; b <= 5; ++b) idle.feed(1.0, 0.5, 0);
    EXPECT_FALSE(idle.batches.largestRelativeHalfWidthX(idle.totals()));
}

}  // namespace
}  // namespace orven::sim
