#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

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
    RateTable rates_;  // laid out as the time table: source i's in row i
};

template <typename Draws>
sim::Steps Network::stepsUntil(Draws& draws, double until, unsigned most) {
    // The state lives in locals until the steps are made: the processor then holds it, and a
    // step waits on nothing but its own draws, rates and comparisons. Each queue is held as
    // its place in the time table, row i and column n(i): one index then finds both its time
    // entry and its source's rate.
    const std::ptrdiff_t c = run_.T.nmax() + 1;  // entries in a row
    std::array<std::ptrdiff_t, kSources> q{};
    for (std::size_t i = 0; i < q.size(); ++i)
        q[i] = static_cast<std::ptrdiff_t>(i + 1) * c + run_.n[i + 1];
    const double* rates = rates_.data();
    Fixed4* T = run_.T.data();
    double clock = run_.clock;
    std::int64_t count = run_.count;
    sim::Times times{};
    unsigned senders = 0;
    sim::Winner last;  // of the last step made
    sim::Steps steps;
    const unsigned budget = std::max(most, 1U);  // a call makes at least one step
    unsigned left = budget;
    draws.template workAhead<kSources>();
    do {
        const sim::StepRates rate = sim::stepRates<kSources>(rates, q);
        senders = sim::sendersOf(rate);
        const std::array<double, kSources> x = draws.template negativeLogsFor<kSources>(senders);
        times = sim::timesAt<kSources>(rate, x);
        const sim::Winner winner = sim::firstSmallest(times, senders);
        if (winner.source == 0) [[unlikely]] {
            steps.last = sim::StepResult::NoSourceCanSend;
            break;
        }
        // The whole step counts for the queue lengths as they were before the arrival.
        const Fixed4 time = Fixed4::fromDouble(static_cast<double>(winner.time));
        for (const std::ptrdiff_t at : q) T[at] += time;
        std::ptrdiff_t fires = 1;
        for (std::size_t i = 0; i < q.size(); ++i) {
            q[i] += winner.source == static_cast<int>(i + 1);
            fires &= q[i] > static_cast<std::ptrdiff_t>(i + 1) * c;
        }
        for (std::ptrdiff_t& at : q) at -= fires;
        count += fires;
        clock += static_cast<double>(winner.time);
        last = winner;
        --left;
        draws.template workAhead<kSources>();
    } while (clock < until && left != 0);

    steps.made = budget - left;
    for (std::size_t i = 0; i < q.size(); ++i)
        run_.n[i + 1] = static_cast<int>(q[i] - static_cast<std::ptrdiff_t>(i + 1) * c);
    run_.clock = clock;
    run_.count = count;
    sim::keepLastStep(times, senders, kFullQueueTime, last, steps.made, run_.t, run_.kmin,
                      run_.tmin);
    return steps;
}

// The firing counters of a run made of replications, in the order of Network::totals().
inline void setCounts(RunState& run, std::span<const std::int64_t> counts) {
    run.count = counts[0];
}

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::simple_sim
