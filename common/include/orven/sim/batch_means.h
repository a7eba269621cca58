#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "orven/sim/state_table.h"

namespace orven::sim {

// A run is split into batches of equal simulated time: kBatches of them for the run length set
// at its start. The first is the warm-up from empty queues and is dropped; the means of the
// others, nearly independent when a batch is long, give the statistical error of every
// estimate of the whole run.
inline constexpr int kBatches = 21;
// An interval needs at least this many batch means; a run cut shorter has none.
inline constexpr int kFewestBatchMeans = 3;
// A network counts the firings of at most this many synchronization stations.
inline constexpr int kMaxOutputs = 2;
// The level of the confidence intervals.
inline constexpr double kConfidence = 0.95;

// What a run has accumulated so far: its clock, its time table and its firing counters.
struct RunTotals {
    double clock = 0.0;
    const TimeTable* T = nullptr;
    std::array<std::int64_t, kMaxOutputs> counts{};
    int outputs = 0;
};

// The 95 % confidence intervals of a run's estimates, as half-widths around the estimates of
// the whole run (Student's t over the batch means).
struct Intervals {
    int batchMeans = 0;  // the batch means behind them, the warm-up not counted
    // halfWidthP(k, j): the half-width of P(k, j), for every row of the time table (the double
    // network's row of n(2) + n(5) included).
    StateTable<double> halfWidthP;
    // For each output (X, or X1 and X2): the half-width of its firings per unit of time, and
    // its standard error, which a z-score against an exact value divides by.
    std::vector<double> halfWidthX;
    std::vector<double> standardErrorX;
};

// The batch means of one run, kept as running sums: a step costs the run loop one comparison
// with nextBoundary(), and memory stays three tables the size of the time table, however long
// the run. A run lengthened while it goes on (by "Set time", or to reach a precision) keeps the
// batch length it started with and gets more batches; a run cut short gets fewer. The part of a
// run after its last boundary is not a batch unless it is a whole batch long.
class BatchMeans {
  public:
    // A run that has not started has no boundary to reach.
    BatchMeans() = default;

    // Boundaries every `runtime` / kBatches of simulated time from `start` (a run from empty
    // queues and a zero clock); the shape of the tables from `start`.
    void start(double runtime, const RunTotals& start);
    double nextBoundary() const { return next_; }
    // The clock has passed nextBoundary(): the batch ends here.
    void close(const RunTotals& now);
    // The run has ended: its last part counts as a batch when it is nearly a whole batch long,
    // as where the run ends at its length, one rounding away from the last boundary.
    void finish(const RunTotals& now);

    // Batches ended, the warm-up included.
    int batches() const { return batches_; }
    // The intervals of every estimate, or nothing with fewer than kFewestBatchMeans means.
    std::optional<Intervals> intervals() const;
    // The largest half-width of an output relative to its estimate at `now`, or nothing when
    // there is no interval yet or an output is 0.
    std::optional<double> largestRelativeHalfWidthX(const RunTotals& now) const;

    // What the run added from the end of its warm-up to `now` (from its start while the warm-up
    // goes on): simulated time, then the time table's cells of rows 1.. and the outputs' counts.
    struct Part {
        double clock = 0.0;
        std::vector<std::int64_t> values;
    };
    Part afterWarmUp(const RunTotals& now) const;
    // Takes in the batch means of another run of the same shape, as independent of these: the
    // intervals then stand on the means of both.
    void pool(const BatchMeans& other);

  private:
    void addMeans(const RunTotals& now);
    void remember(const RunTotals& now);
    std::size_t cells() const { return values_ - static_cast<std::size_t>(outputs_); }

    double width_ = 0.0;
    double next_ = std::numeric_limits<double>::infinity();
    int batches_ = 0;
    int rows_ = 0;
    int nmax_ = 0;
    int outputs_ = 0;
    std::size_t values_ = 0;  // the cells of the time table, then the outputs

    // The totals at the last boundary, and at the end of the warm-up.
    double lastClock_ = 0.0;
    std::vector<std::int64_t> last_;
    double warmUpClock_ = 0.0;
    std::vector<std::int64_t> warmUp_;
    // Running mean and sum of squared deviations of each batch mean (Welford's update, which
    // loses nothing to cancellation).
    int means_ = 0;
    std::vector<double> mean_;
    std::vector<double> squares_;
};

// The two-sided 95 % quantile of Student's t with `degreesOfFreedom` (at least 1).
double studentQuantile975(int degreesOfFreedom);

}  // namespace orven::sim
