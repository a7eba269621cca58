// The default run of the double simulator: N = (5, 5, 5, 5), the first experiment, run length
// 100000, through the engine alone (drawing from the generator directly, as the programs do),
// beside the bare cost of the uniform draws that such a run makes.
#include <benchmark/benchmark.h>

#include "orven/double_sim/engine.h"
#include "orven/random_source.h"
#include "scripted_platform.h"

namespace {

using namespace orven::double_sim;

const PopulationTexts kDefaults = {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"),
                                   QStringLiteral("5")};

void DefaultRunEngine(benchmark::State& state) {
    orven::testing::ScriptedPlatform platform;
    platform.drawDirectly();
    const RunSetup setup = initiate(kDefaults, orven::sim::kFirstExperiment, platform);
    orven::sim::RunController controller;
    orven::sim::RunView view;
    std::int64_t steps = 0;
    for (auto _ : state) {
        RunState run;
        montecarlo(setup, run, platform, controller, view);
        steps += run.count1;
        benchmark::DoNotOptimize(run.count2);
    }
    state.counters["firings"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(DefaultRunEngine)->Unit(benchmark::kMillisecond);

// About as many draws as a default run makes (some four per step).
void DrawsOfADefaultRun(benchmark::State& state) {
    orven::RandomSource random(1);
    constexpr int kDraws = 1'200'000;
    for (auto _ : state) {
        float sum = 0.0f;
        for (int i = 0; i < kDraws; ++i) sum += random.uniform();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(DrawsOfADefaultRun)->Unit(benchmark::kMillisecond);

}  // namespace
