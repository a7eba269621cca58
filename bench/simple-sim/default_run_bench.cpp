// The default run of the simple simulator: N = (5, 5, 5), the first experiment, run length
// 100000, through the engine alone (drawing from the generator directly, as the programs do,
// or through the platform one draw at a time) and through the whole Start sequence.
#include <benchmark/benchmark.h>

#include "orven/simple_sim/simulator.h"
#include "scripted_platform.h"

namespace {

using namespace orven::simple_sim;

const std::array<QString, kSources> kDefaults = {QStringLiteral("5"), QStringLiteral("5"),
                                                 QStringLiteral("5")};

void runEngine(benchmark::State& state, bool direct) {
    orven::testing::ScriptedPlatform platform;
    if (direct) platform.drawDirectly();
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    orven::sim::RunController controller;
    orven::sim::RunView view;
    std::int64_t steps = 0;
    for (auto _ : state) {
        RunState run;
        montecarlo(setup, run, platform, controller, view);
        steps += run.count;
        benchmark::DoNotOptimize(run.count);
    }
    state.counters["firings"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

void DefaultRunEngine(benchmark::State& state) {
    runEngine(state, true);
}
BENCHMARK(DefaultRunEngine)->Unit(benchmark::kMillisecond);

void DefaultRunEngineThroughThePlatform(benchmark::State& state) {
    runEngine(state, false);
}
BENCHMARK(DefaultRunEngineThroughThePlatform)->Unit(benchmark::kMillisecond);

void DefaultRunStartSequence(benchmark::State& state) {
    orven::testing::ScriptedPlatform platform;
    platform.drawDirectly();
    SimpleSimulator simulator;
    orven::sim::RunView view;
    for (auto _ : state) {
        simulator.start(kDefaults, platform, view);
        benchmark::DoNotOptimize(simulator.estimates().X);
    }
}
BENCHMARK(DefaultRunStartSequence)->Unit(benchmark::kMillisecond);

}  // namespace
