#pragma once

#include <array>
#include <cstdint>

#include "orven/fixed4.h"
#include "orven/sim/batch_means.h"
#include "orven/sim/exponential.h"
#include "orven/sim/run_loop.h"
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

// One step: fresh exponential times for every source that can send, the smallest wins (the
// lower-numbered source on a tie), the step's time is credited to the queue lengths before
// the arrival, the job arrives and the station fires when no queue is empty. A source whose
// queue is full, or whose rate is 0, draws nothing. The smallest drawn time wins whatever its
// size; when no source can send at all nothing changes. `draws` gives uniform draws through
// `uniform()`.
template <typename Draws>
sim::StepResult step(const RunSetup& setup, RunState& run, Draws& draws) {
    int winner = 0;
    for (int i = 1; i <= kSources; ++i) {
        const double rate = setup.mu(i, run.n[i]);
        if (run.n[i] >= setup.N[i] || !(rate > 0.0)) {
            run.t[i] = kFullQueueTime;
            continue;
        }
        run.t[i] = sim::exponentialTime(draws.uniform(), rate);
        // Strictly smaller: a tie goes to the lower-numbered source.
        if (winner == 0 || run.t[i] < run.t[winner]) winner = i;
    }
    if (winner == 0) return sim::StepResult::NoSourceCanSend;
    run.kmin = winner;
    run.tmin = run.t[winner];

    // The whole step counts for the queue lengths as they were before the arrival.
    sim::creditStep(run.T, run.n, Fixed4::fromDouble(static_cast<double>(run.tmin)));
    ++run.n[winner];
    if (run.n[1] > 0 && run.n[2] > 0 && run.n[3] > 0) {
        for (int i = 1; i <= kSources; ++i) --run.n[i];
        ++run.count;
    }
    run.clock += static_cast<double>(run.tmin);
    return sim::StepResult::Arrived;
}

// The simple network as the run loop steps it.
class Network {
  public:
    Network(const RunSetup& setup, RunState& run) : setup_(setup), run_(run) {}

    template <typename Draws>
    sim::StepResult step(Draws& draws) {
        return simple_sim::step(setup_, run_, draws);
    }
    double clock() const { return run_.clock; }
    sim::BatchMeans& batches() { return run_.batches; }
    sim::RunTotals totals() const { return {run_.clock, &run_.T, {run_.count}, 1}; }

  private:
    const RunSetup& setup_;
    RunState& run_;
};

// `montecarlo`: from empty queues and a zero clock until the clock passes the run length.
sim::RunEnd montecarlo(const RunSetup& setup, RunState& run, Platform& platform,
                       sim::RunController& controller, sim::RunView& view);

}  // namespace orven::simple_sim
