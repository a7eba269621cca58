#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "orven/double_sim/setup.h"
#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/first_smallest.h"
#include "orven/sim/run_loop.h"
#include "orven/sim/source_rates.h"
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

    // Steps until one brings the clock to `until` or beyond, `most` are made, or no source can
    // send.
    template <typename Draws>
    sim::Steps stepsUntil(Draws& draws, double until, unsigned most);
    template <typename Draws>
    sim::StepResult step(Draws& draws) {
        return stepsUntil(draws, -std::numeric_limits<double>::infinity(), 1).last;
    }

    double clock() const { return run_.clock; }
    sim::BatchMeans& batches() { return run_.batches; }
    sim::RunTotals totals() const { return {run_.clock, &run_.T, {run_.count1, run_.count2}, 2}; }

  private:
    RunState& run_;
    std::array<sim::SourceRates, kSources + 1> rates_;  // by level
    int limit6_ = 0;  // queue 6's limit, at which source 3 is blocked
};

template <typename Draws>
sim::Steps Network::stepsUntil(Draws& draws, double until, unsigned most) {
    // The state lives in locals until the steps are made: the processor then holds it, and a
    // step waits on nothing but its own draws, rates and comparisons.
    std::array<const sim::SourceRates::Level*, kSources + 1> rates{};
    for (int k = 1; k <= kSources; ++k) rates[k] = rates_[k].levels();
    std::array<Fixed4*, kSumRow + 1> T{};
    for (int row = 1; row <= kSumRow; ++row) T[row] = &run_.T(row, 0);
    std::array<int, kQueues + 1> n = run_.n;
    double clock = run_.clock;
    std::int64_t count1 = run_.count1;
    std::int64_t count2 = run_.count2;
    sim::Times times{};
    unsigned senders = 0;
    sim::Winner last;  // of the last step made
    sim::Steps steps;
    do {
        const std::array<int, kSources + 1> level{0, n[1], n[2] + n[5], n[3], n[4]};
        // Source 3 is also blocked while queue 6 is at its limit.
        const unsigned blocked3 = static_cast<unsigned>(n[6] >= limit6_);
        senders = 0;
        for (int k = 1; k <= kSources; ++k) senders |= rates[k][level[k]].sends;
        senders &= ~(blocked3 << 2);
        const std::array<double, kSources> x = draws.template negativeLogsFor<kSources>(senders);
        times = sim::timesAt<kSources>(rates, level, x);
        const sim::Winner winner = sim::firstSmallest(times, senders);
        if (winner.source == 0) [[unlikely]] {
            steps.last = sim::StepResult::NoSourceCanSend;
            break;
        }
        // The whole step counts for the lengths as they were before the arrival.
        const Fixed4 time = Fixed4::fromDouble(static_cast<double>(winner.time));
        for (int k = 1; k <= kQueues; ++k) T[k][n[k]] += time;
        T[kSumRow][level[2]] += time;

        // Which queues the winner feeds (source 3's job goes into queues 3 and 6), then
        // station 1 and station 2, each when none of its queues is empty.
        for (int k = 1; k <= kSources; ++k) n[k] += static_cast<int>(winner.source == k);
        n[6] += static_cast<int>(winner.source == 3);
        const int fires1 = static_cast<int>((n[1] > 0) & (n[2] > 0) & (n[3] > 0));
        n[1] -= fires1;
        n[2] -= fires1;
        n[3] -= fires1;
        n[5] += fires1;
        const int fires2 = static_cast<int>((n[4] > 0) & (n[5] > 0) & (n[6] > 0));
        n[4] -= fires2;
        n[5] -= fires2;
        n[6] -= fires2;
        count1 += fires1;
        count2 += fires2;
        clock += static_cast<double>(winner.time);
        last = winner;
        ++steps.made;
    } while (clock < until && steps.made < most);

    run_.n = n;
    run_.clock = clock;
    run_.count1 = count1;
    run_.count2 = count2;
    sim::keepLastStep(times, senders, kIdleTime, last, steps.made, run_.t, run_.kmin, run_.tmin);
    return steps;
}

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::double_sim
