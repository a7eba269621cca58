#pragma once

#include <array>
#include <cstdint>

#include "orven/double_sim/setup.h"
#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/exponential.h"
#include "orven/sim/run_loop.h"
#include "orven/sim/state_table.h"

namespace orven {
class Platform;
}

namespace orven::double_sim {

// The time recorded for a source that is idle or blocked (it draws nothing).
inline constexpr float kIdleTime = 9999999.0f;

// The row of the time table that holds the jobs of queues 2 and 5 together (`T24`): the same
// sums as a table of every pair of lengths folded by their total, since fixed-point sums are
// exact, in memory linear in the populations.
inline constexpr int kSumRow = kQueues + 1;

// The state of one simulation run, kept after the run for the estimates.
struct RunState {
    explicit RunState(int nmax = 0) : T(kSumRow, nmax) {}

    std::array<int, kQueues + 1> n{};     // jobs in queue 1..6
    std::array<float, kSources + 1> t{};  // times drawn in the last step
    float tmin = 0.0f;                    // length of the last step
    int kmin = 0;                         // the source that won the last step
    double clock = 0.0;                   // simulated time since the start
    TimeTable T;                          // time per queue length; row kSumRow: n(2) + n(5)
    std::int64_t count1 = 0;              // firings of synchronization station 1
    std::int64_t count2 = 0;              // firings of synchronization station 2
    sim::BatchMeans batches;              // the run split into batches of equal time
};

// The double network as the run loop steps it.
//
// One step: every source that may send draws a fresh exponential time at the rate of its level
// (the jobs of its loop waiting downstream: n(2) + n(5) for source 2, its own queue for the
// others); the smallest time wins, the lower-numbered source on a tie. A source at its limit
// is idle, source 3 is also blocked while queue 6 is at its limit, and a source whose rate is 0
// cannot send either; none of these draws. The step's time is credited to the lengths before
// anything changes, the winner's job arrives (source 3's into queues 3 and 6), then station 1
// fires if it can, then station 2, so that a job joined by station 1 may leave in the same
// step. The smallest drawn time wins whatever its size; when no source can send nothing changes.
class Network {
  public:
    Network(const RunSetup& setup, RunState& run);

    template <typename Draws>
    sim::StepResult step(Draws& draws);
    double clock() const { return run_.clock; }
    sim::BatchMeans& batches() { return run_.batches; }
    sim::RunTotals totals() const { return {run_.clock, &run_.T, {run_.count1, run_.count2}, 2}; }

  private:
    const RateTable& mu_;
    RunState& run_;
    std::array<int, kQueues + 1> limit_{};  // N(k) as whole numbers
};

template <typename Draws>
sim::StepResult Network::step(Draws& draws) {
    auto& n = run_.n;
    auto& t = run_.t;
    const std::array<int, kSources + 1> level{0, n[1], n[2] + n[5], n[3], n[4]};
    int winner = 0;
    for (int k = 1; k <= kSources; ++k) {
        t[k] = kIdleTime;
        if (level[k] >= limit_[k] || (k == 3 && n[6] >= limit_[6])) continue;
        const double rate = mu_(k, level[k]);
        if (!(rate > 0.0)) continue;
        t[k] = sim::exponentialTime(draws.uniform(), rate);
        // Strictly smaller: a tie goes to the lower-numbered source.
        if (winner == 0 || t[k] < t[winner]) winner = k;
    }
    if (winner == 0) return sim::StepResult::NoSourceCanSend;
    run_.kmin = winner;
    run_.tmin = t[winner];

    // The whole step counts for the lengths as they were before the arrival.
    const std::array<int, kSumRow + 1> lengths{0, n[1], n[2], n[3], n[4], n[5], n[6], level[2]};
    sim::creditStep(run_.T, lengths, Fixed4::fromDouble(static_cast<double>(run_.tmin)));

    ++n[winner];
    if (winner == 3) ++n[6];
    if (n[1] > 0 && n[2] > 0 && n[3] > 0) {
        --n[1];
        --n[2];
        --n[3];
        ++n[5];
        ++run_.count1;
    }
    if (n[4] > 0 && n[5] > 0 && n[6] > 0) {
        --n[4];
        --n[5];
        --n[6];
        ++run_.count2;
    }
    run_.clock += static_cast<double>(run_.tmin);
    return sim::StepResult::Arrived;
}

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::double_sim
