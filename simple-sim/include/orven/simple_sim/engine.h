#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/first_smallest.h"
#include "orven/sim/run_loop.h"
#include "orven/sim/source_rates.h"
#include "orven/sim/state_table.h"
#include "orven/simple_sim/setup.h"

namespace orven {
class Platform;
}

namespace orven::simple_sim {

// The time recorded for a source whose queue is full (it draws nothing).
inline constexpr float kFullQueueTime = 9999999.0f;

// The state of one simulation run, kept after the run for the estimates.
struct RunState {
    explicit RunState(int nmax = 0) : T(kSources, nmax) {}

    std::array<int, kSources + 1> n{};    // jobs waiting in queue 1..3
    std::array<float, kSources + 1> t{};  // times drawn in the last step
    float tmin = 0.0f;                    // length of the last step
    int kmin = 0;                         // the source that won the last step
    double clock = 0.0;                   // simulated time since the start
    TimeTable T;                          // time spent per queue length
    std::int64_t count = 0;               // firings of the synchronization station
    sim::BatchMeans batches;              // the run split into batches of equal time
};

// The simple network as the run loop steps it.
//
// One step: fresh exponential times for every source that can send, the smallest wins (the
// lower-numbered source on a tie), the step's time is credited to the queue lengths before
// the arrival, the job arrives and the station fires when no queue is empty. A source whose
// queue is full, or whose rate is 0, draws nothing. The smallest drawn time wins whatever its
// size; when no source can send at all nothing changes.
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
    sim::RunTotals totals() const { return {run_.clock, &run_.T, {run_.count}, 1}; }

  private:
    RunState& run_;
    std::array<sim::SourceRates, kSources + 1> rates_;
};

template <typename Draws>
sim::Steps Network::stepsUntil(Draws& draws, double until, unsigned most) {
    // The state lives in locals until the steps are made: the processor then holds it, and a
    // step waits on nothing but its own draws, rates and comparisons.
    std::array<const sim::SourceRates::Level*, kSources + 1> rates{};
    std::array<Fixed4*, kSources + 1> T{};
    for (int i = 1; i <= kSources; ++i) {
        rates[i] = rates_[i].levels();
        T[i] = &run_.T(i, 0);
    }
    std::array<int, kSources + 1> n = run_.n;
    double clock = run_.clock;
    std::int64_t count = run_.count;
    sim::Times times{};
    unsigned senders = 0;
    sim::Winner last;  // of the last step made
    sim::Steps steps;
    do {
        senders = 0;
        for (int i = 1; i <= kSources; ++i) senders |= rates[i][n[i]].sends;
        const std::array<double, kSources> x = draws.template negativeLogsFor<kSources>(senders);
        times = sim::timesAt<kSources>(rates, n, x);
        const sim::Winner winner = sim::firstSmallest(times, senders);
        if (winner.source == 0) [[unlikely]] {
            steps.last = sim::StepResult::NoSourceCanSend;
            break;
        }
        // The whole step counts for the queue lengths as they were before the arrival.
        const Fixed4 time = Fixed4::fromDouble(static_cast<double>(winner.time));
        for (int i = 1; i <= kSources; ++i) T[i][n[i]] += time;
        int fires = 1;
        for (int i = 1; i <= kSources; ++i) {
            n[i] += static_cast<int>(winner.source == i);
            fires &= static_cast<int>(n[i] > 0);
        }
        for (int i = 1; i <= kSources; ++i) n[i] -= fires;
        count += fires;
        clock += static_cast<double>(winner.time);
        last = winner;
        ++steps.made;
    } while (clock < until && steps.made < most);

    run_.n = n;
    run_.clock = clock;
    run_.count = count;
    sim::keepLastStep(times, senders, kFullQueueTime, last, steps.made, run_.t, run_.kmin,
                      run_.tmin);
    return steps;
}

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::simple_sim
