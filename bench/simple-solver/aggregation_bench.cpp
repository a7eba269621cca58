// The cost of the aggregation iteration: one whole run at 200 jobs per class, and one
// iteration as the populations grow (it should grow linearly).
#include <benchmark/benchmark.h>

#include <array>

#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/simple_solver/setup.h"
#include "scripted_platform.h"

using namespace orven;

namespace {

aggregation::SolverState model(int population, int code) {
    std::array<double, 5> populations;
    populations.fill(population);
    solver_kit::RateChoice rates;
    rates.choosePreset(code);
    aggregation::SolverState state;
    simple_solver::initiate(state, 3, populations, rates);
    return state;
}

// A whole run from set-up to the end of the iteration, N = (200, 200, 200).
void BM_LargeRun(benchmark::State& bench) {
    const int code = static_cast<int>(bench.range(0));
    int iterations = 0;
    for (auto _ : bench) {
        aggregation::SolverState state = model(200, code);
        testing::ScriptedPlatform platform(1);
        const auto outcome = aggregation::iterate(state, platform);
        iterations = outcome.iterations;
        benchmark::DoNotOptimize(outcome.S);
    }
    bench.counters["iterations"] = iterations;
}
BENCHMARK(BM_LargeRun)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One iteration (every class re-estimated and solved) after a first, random one.
void BM_OneIteration(benchmark::State& bench) {
    const int population = static_cast<int>(bench.range(0));
    aggregation::SolverState state = model(population, 2);
    testing::ScriptedPlatform platform(1);
    aggregation::iterate(state, platform, {.iterationLimit = 2});
    state.iter = 2;
    std::array<double, 4> firstRates{};
    for (int i = 1; i <= 3; ++i) firstRates[static_cast<std::size_t>(i)] = state.x(i, 0);
    for (auto _ : bench) {
        for (int i = 1; i <= 3; ++i) {
            state.x(i, 0) = firstRates[static_cast<std::size_t>(i)];
            aggregation::aggregate(state, i, platform);
        }
        benchmark::DoNotOptimize(state.P0[3]);
    }
    bench.SetComplexityN(population);
}
BENCHMARK(BM_OneIteration)
    ->RangeMultiplier(4)
    ->Range(50, 12800)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
