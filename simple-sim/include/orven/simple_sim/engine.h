#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

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
// `uniform()`. Always inlined into the run loop, which calls it millions of times.
template <typename Draws>
[[gnu::always_inline]] inline sim::StepResult step(const RunSetup& setup, RunState& run,
                                                   Draws& draws) {
    // The draws and their logarithms come first, one after the other: a call of the logarithm
    // keeps no floating-point register, so any other value live across it would make a round
    // trip through memory. Then which source wins, and whether the station fires, are worked
    // out without branches, since they are coin tosses that no branch predictor can guess;
    // the queue lengths are copied, read and written whole (a wide read of narrow writes
    // would stall). So a step costs little more than its draws and logarithms.
    std::array<int, kSources + 1> n = run.n;
    std::array<double, kSources + 1> x{};
    std::array<bool, kSources + 1> sends{};
    for (int i = 1; i <= kSources; ++i) {
        sends[i] = n[i] < setup.N[i] && setup.mu(i, n[i]) > 0.0;
        if (sends[i]) [[likely]]
            x[i] = sim::negativeLog(draws.uniform());
    }
    float tmin = std::numeric_limits<float>::infinity();
    int winner = 0;
    for (int i = 1; i <= kSources; ++i) {
        if (!sends[i]) [[unlikely]] {
            run.t[i] = kFullQueueTime;
            continue;
        }
        const float t = static_cast<float>(x[i] / setup.mu(i, n[i]));
        run.t[i] = t;
        // Strictly smaller: a tie goes to the lower-numbered source. The first source that
        // draws wins even with an infinite time.
        const int wins = static_cast<int>(t < tmin) | static_cast<int>(winner == 0);
        winner += wins * (i - winner);
        tmin = std::min(t, tmin);
    }
    if (winner == 0) return sim::StepResult::NoSourceCanSend;
    run.kmin = winner;
    run.tmin = tmin;

    // The whole step counts for the queue lengths as they were before the arrival.
    const Fixed4 time = Fixed4::fromDouble(static_cast<double>(tmin));
    for (int i = 1; i <= kSources; ++i) run.T(i, n[i]) += time;
    int fires = 1;
    for (int i = 1; i <= kSources; ++i) {
        n[i] += static_cast<int>(winner == i);
        fires &= static_cast<int>(n[i] > 0);
    }
    for (int i = 1; i <= kSources; ++i) n[i] -= fires;
    run.n = n;
    run.count += fires;
    run.clock += static_cast<double>(tmin);
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
