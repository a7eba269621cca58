// The simple simulator on its default model: N = (5, 5, 5), the first experiment, run length
// 100000 (some 300000 steps). The engine alone, against the bare cost of its random numbers;
// the whole Start sequence without windows; the main window as a user starts it.
#include <benchmark/benchmark.h>

#include "bench_platform.h"
#include "draw_baseline.h"
#include "long_run.h"
#include "orven/simple_sim/simulator.h"
#include "orven/ui/simple_sim/form1.h"
#include "window_run.h"

namespace {

using namespace orven::simple_sim;
using orven::bench::BenchPlatform;

const std::array<QString, kSources> kDefaults = {QStringLiteral("5"), QStringLiteral("5"),
                                                 QStringLiteral("5")};

// Every step brings one job and every firing takes one from each queue.
std::int64_t stepsOf(const RunState& run) {
    return kSources * run.count + run.n[1] + run.n[2] + run.n[3];
}

// One default run through montecarlo; `oneAtATime` draws through the platform's virtual call
// instead of the generator itself.
void engineRuns(benchmark::State& state, bool oneAtATime) {
    BenchPlatform platform;
    if (oneAtATime) platform.drawOneAtATime();
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
    state.counters["firings"] =
        benchmark::Counter(static_cast<double>(run.count) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_EngineSimple(benchmark::State& state) {
    engineRuns(state, false);
}
BENCHMARK(BM_EngineSimple)->Unit(benchmark::kMillisecond);

void BM_EngineSimpleThroughThePlatform(benchmark::State& state) {
    engineRuns(state, true);
}
BENCHMARK(BM_EngineSimpleThroughThePlatform)->Unit(benchmark::kMillisecond);

// The default model run for 1E+07 time units, split over the cores.
void BM_LongRunSimple(benchmark::State& state) {
    BenchPlatform platform;
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    orven::bench::longRuns<Network, RunState>(
        state, setup, [](const RunState& run) { return kSources * run.count; });
}
BENCHMARK(BM_LongRunSimple)->Apply(orven::bench::onOneAndEveryCore);

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

void BM_DrawBaselineSimple(benchmark::State& state) {
    orven::bench::drawBaseline(state, defaultRunCost());
}
BENCHMARK(BM_DrawBaselineSimple)->Unit(benchmark::kMillisecond);

// Start without windows: set-up, engine, estimates and the record built in memory.
void BM_RunSimpleHeadless(benchmark::State& state) {
    BenchPlatform platform;
    SimpleSimulator simulator;
    orven::sim::RunView view;
    for (auto _ : state) {
        simulator.start(kDefaults, platform, view);
        benchmark::DoNotOptimize(simulator.lastRecord());
    }
}
BENCHMARK(BM_RunSimpleHeadless)->Unit(benchmark::kMillisecond);

void BM_WindowRunSimple(benchmark::State& state) {
    orven::bench::windowRuns<Form1>(state, false);
}
BENCHMARK(BM_WindowRunSimple)->Unit(benchmark::kMillisecond);

void BM_WindowRunSimplePerStep(benchmark::State& state) {
    orven::bench::windowRuns<Form1>(state, true);
}
BENCHMARK(BM_WindowRunSimplePerStep)->Unit(benchmark::kMillisecond);

}  // namespace
