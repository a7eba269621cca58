#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

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
    // The sources' rates laid out as the time table: source 2's in the sum row, since its
    // level is n(2) + n(5), and each other source's in the row of its own queue.
    RateTable rates_;
    int limit6_ = 0;  // queue 6's limit, at which source 3 is blocked
};

template <typename Draws>
sim::Steps Network::stepsUntil(Draws& draws, double until, unsigned most) {
    // The state lives in locals until the steps are made: the processor then holds it, and a
    // step waits on nothing but its own draws, rates and comparisons. Each queue is held as
    // its place in the time table, row k and column n(k): one index then finds both its time
    // entry and the rate its length sets, and the sum row's place is q2 + q5.
    static_assert(kSumRow == 2 + 5);
    const std::ptrdiff_t c = run_.T.nmax() + 1;  // entries in a row
    const std::array<int, kQueues + 1>& n = run_.n;
    std::ptrdiff_t q1 = 1 * c + n[1], q2 = 2 * c + n[2], q3 = 3 * c + n[3];
    std::ptrdiff_t q4 = 4 * c + n[4], q5 = 5 * c + n[5], q6 = 6 * c + n[6];
    const std::ptrdiff_t full6 = 6 * c + limit6_;
    const double* rates = rates_.data();
    Fixed4* T = run_.T.data();
    double clock = run_.clock;
    // Firings of station 1 in the low half, station 2 in the high half: a run of steps makes
    // fewer than 2^32 of them.
    std::uint64_t fired = 0;
    sim::Times times{};
    unsigned senders = 0;
    sim::Winner last;  // of the last step made
    sim::Steps steps;
    const unsigned budget = std::max(most, 1U);  // a call makes at least one step
    unsigned left = budget;
    draws.template workAhead<kSources>();
    do {
        const std::ptrdiff_t q24 = q2 + q5;
        // Source 3 is also blocked while queue 6 is at its limit: it then reads entry 0, which
        // no source uses and which holds sim::kNoSend.
        const std::ptrdiff_t at3 = q6 >= full6 ? 0 : q3;
        const sim::StepRates rate = sim::stepRates<kSources>(rates, {q1, q24, at3, q4});
        senders = sim::sendersOf(rate);
        const std::array<double, kSources> x = draws.template negativeLogsFor<kSources>(senders);
        times = sim::timesAt<kSources>(rate, x);
        const sim::Winner winner = sim::firstSmallest(times, senders);
        if (winner.source == 0) [[unlikely]] {
            steps.last = sim::StepResult::NoSourceCanSend;
            break;
        }
        // The whole step counts for the lengths as they were before the arrival.
        const Fixed4 time = Fixed4::fromDouble(static_cast<double>(winner.time));
        for (const std::ptrdiff_t q : {q1, q2, q3, q4, q5, q6, q24}) T[q] += time;

        // Which queues the winner feeds (source 3's job goes into queues 3 and 6), then
        // station 1 and station 2, each when none of its queues is empty.
        q1 += winner.source == 1;
        q2 += winner.source == 2;
        q3 += winner.source == 3;
        q4 += winner.source == 4;
        q6 += winner.source == 3;
        const std::ptrdiff_t fires1 = (q1 > 1 * c) & (q2 > 2 * c) & (q3 > 3 * c);
        q1 -= fires1;
        q2 -= fires1;
        q3 -= fires1;
        q5 += fires1;
        const std::ptrdiff_t fires2 = (q4 > 4 * c) & (q5 > 5 * c) & (q6 > 6 * c);
        q4 -= fires2;
        q5 -= fires2;
        q6 -= fires2;
        fired += static_cast<std::uint64_t>(fires1) | (static_cast<std::uint64_t>(fires2) << 32);
        clock += static_cast<double>(winner.time);
        last = winner;
        --left;
        draws.template workAhead<kSources>();
    } while (clock < until && left != 0);

    steps.made = budget - left;
    run_.n = {0,
              static_cast<int>(q1 - 1 * c),
              static_cast<int>(q2 - 2 * c),
              static_cast<int>(q3 - 3 * c),
              static_cast<int>(q4 - 4 * c),
              static_cast<int>(q5 - 5 * c),
              static_cast<int>(q6 - 6 * c)};
    run_.clock = clock;
    run_.count1 += static_cast<std::int64_t>(fired & 0xffffffffU);
    run_.count2 += static_cast<std::int64_t>(fired >> 32);
    sim::keepLastStep(times, senders, kIdleTime, last, steps.made, run_.t, run_.kmin, run_.tmin);
    return steps;
}

// The firing counters of a run made of replications, in the order of Network::totals().
inline void setCounts(RunState& run, std::span<const std::int64_t> counts) {
    run.count1 = counts[0];
    run.count2 = counts[1];
}

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::double_sim
