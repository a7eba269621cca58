// The default run of the simple simulator: N = (5, 5, 5), the first experiment, run length
// 100000, through the engine alone and through the whole Start sequence.
#include <benchmark/benchmark.h>

#include "orven/simple_sim/simulator.h"
#include "scripted_platform.h"

namespace {

using namespace orven::simple_sim;

const std::array<QString, kSources> kDefaults = {QStringLiteral("5"), QStringLiteral("5"),
                                                 QStringLiteral("5")};

class FixedLength final : public RunControl {
  public:
    float runtime() const override { return kDefaultRuntime; }
    void showProgress(const QString&) override {}
    bool stopRequested() const override { return false; }
};

class NoView final : public RunView {
  public:
    void showProgress(const QString&) override {}
    void showResults(const ResultsContent&) override {}
};

void DefaultRunEngine(benchmark::State& state) {
    orven::testing::ScriptedPlatform platform;
    const RunSetup setup = initiate(kDefaults, kFirstExperiment, platform);
    FixedLength control;
    for (auto _ : state) {
        RunState run;
        montecarlo(setup, run, platform, control);
        benchmark::DoNotOptimize(run.count);
    }
    state.counters["draws"] = benchmark::Counter(static_cast<double>(platform.uniformDraws()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(DefaultRunEngine)->Unit(benchmark::kMillisecond);

void DefaultRunStartSequence(benchmark::State& state) {
    orven::testing::ScriptedPlatform platform;
    SimpleSimulator simulator;
    NoView view;
    for (auto _ : state) {
        simulator.start(kDefaults, platform, view);
        benchmark::DoNotOptimize(simulator.estimates().X);
    }
}
BENCHMARK(DefaultRunStartSequence)->Unit(benchmark::kMillisecond);

}  // namespace
