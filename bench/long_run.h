#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <thread>

#include "bench_platform.h"
#include "orven/sim/replications.h"

namespace orven::bench {

// One long run: this many time units, split into as many replications as the machine has
// cores, so that the work is the same on one thread and on all of them.
inline constexpr float kLongRun = 1e7f;

inline int coreCount() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

// The long run on state.range(0) threads, steps per second of wall time. `stepsAfterWarmUp`
// counts the steps of the replications after their warm-ups from their firings; the warm-ups
// make as many per unit of time.
template <typename Network, typename RunState, typename Setup, typename StepsOf>
void longRuns(benchmark::State& state, const Setup& setup, StepsOf stepsAfterWarmUp) {
    BenchPlatform platform;
    sim::RunController controller;
    controller.setRuntime(kLongRun);
    const sim::Replications split{coreCount(), static_cast<unsigned>(state.range(0))};
    RunState run;
    double steps = 0;
    for (auto _ : state) {
        sim::simulateReplications<Network>(setup, run, split, platform, controller);
        steps += static_cast<double>(stepsAfterWarmUp(run)) * kLongRun / run.clock;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(steps));
}

// Registers a long-run benchmark on one thread and on every core.
inline void onOneAndEveryCore(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("threads")->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
    if (coreCount() > 1) benchmark->Arg(coreCount());
}

}  // namespace orven::bench
