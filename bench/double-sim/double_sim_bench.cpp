// The double simulator on its default model: N = (5, 5, 5, 5), the first experiment, run length
// 100000. The engine alone, against the bare cost of its random numbers; the whole Start
// sequence without windows; the main window as a user starts it.
#include <benchmark/benchmark.h>

#include "bench_platform.h"
#include "draw_baseline.h"
#include "long_run.h"
#include "orven/double_sim/engine.h"
#include "orven/double_sim/simulator.h"
#include "orven/ui/double_sim/form1.h"
#include "window_run.h"

namespace {

using namespace orven::double_sim;
using orven::bench::BenchPlatform;

const PopulationTexts kDefaults = {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"),
                                   QStringLiteral("5")};

// Every step brings one job from one source: sources 1 to 3 lose theirs to station 1's
// firings, source 4 to station 2's.
std::int64_t stepsOf(const RunState& run) {
    return 3 * run.count1 + run.count2 + run.n[1] + run.n[2] + run.n[3] + run.n[4];
}

void BM_EngineDouble(benchmark::State& state) {
    BenchPlatform platform;
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    orven::sim::RunController controller;
    orven::sim::RunView view;
    RunState run;
    std::int64_t steps = 0;
    for (auto _ : state) {
        montecarlo(setup, run, platform, controller, view);
        steps += stepsOf(run);
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_EngineDouble)->Unit(benchmark::kMillisecond);

// The default model run for 1E+07 time units, split over the cores.
void BM_LongRunDouble(benchmark::State& state) {
    BenchPlatform platform;
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    orven::bench::longRuns<Network, RunState>(
        state, setup, [](const RunState& run) { return 3 * run.count1 + run.count2; });
}
BENCHMARK(BM_LongRunDouble)->Apply(orven::bench::onOneAndEveryCore);

// The steps and draws of one default run, counted step by step.
orven::bench::RunCost defaultRunCost() {
    BenchPlatform platform;
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    platform.reseedRandom();
    orven::bench::CountingDraws draws(*platform.generator());
    RunState run(setup.Nmax);
    Network network(setup, run);
    const double runtime = orven::sim::RunController().runtime();
    while (run.clock <= runtime) network.step(draws);
    return {stepsOf(run), draws.count()};
}

void BM_DrawBaselineDouble(benchmark::State& state) {
    orven::bench::drawBaseline(state, defaultRunCost());
}
BENCHMARK(BM_DrawBaselineDouble)->Unit(benchmark::kMillisecond);

// Start without windows: set-up, engine, estimates and both sections of the report in memory.
void BM_RunDoubleHeadless(benchmark::State& state) {
    BenchPlatform platform;
    DoubleSimulator simulator;
    orven::sim::RunView view;
    for (auto _ : state) {
        simulator.start(kDefaults, platform, view);
        benchmark::DoNotOptimize(simulator.lastReport());
    }
}
BENCHMARK(BM_RunDoubleHeadless)->Unit(benchmark::kMillisecond);

void BM_WindowRunDouble(benchmark::State& state) {
    orven::bench::windowRuns<Form1>(state, false);
}
BENCHMARK(BM_WindowRunDouble)->Unit(benchmark::kMillisecond);

}  // namespace
