// The cost of the aggregation iteration: one whole run at 200 jobs per class, one iteration
// as the populations grow (it should grow linearly), and whole runs at the large populations
// where the method once failed (counters: iterations, S times 1E6, 1 when the run converged).
#include <benchmark/benchmark.h>

#include <array>

#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/simple_solver/setup.h"
#include "scripted_platform.h"

using namespace orven;

namespace {

aggregation::SolverState model(int population, int code, int classes = 3) {
    std::array<double, 5> populations;
    populations.fill(population);
    solver_kit::RateChoice rates;
    rates.choosePreset(code);
    aggregation::SolverState state;
    simple_solver::initiate(state, classes, populations, rates);
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

// A whole run with equal populations: {population, classes, experiment}, seed 1.
void BM_LargePopulationRun(benchmark::State& bench) {
    const int population = static_cast<int>(bench.range(0));
    const int classes = static_cast<int>(bench.range(1));
    const int code = static_cast<int>(bench.range(2));
    aggregation::IterationOutcome outcome;
    for (auto _ : bench) {
        aggregation::SolverState state = model(population, code, classes);
        testing::ScriptedPlatform platform(1);
        // Not DoNotOptimize(outcome.S): the installed library hands a double back rounded to a
        // whole number.
        outcome = aggregation::iterate(state, platform);
    }
    bench.counters["iterations"] = outcome.iterations;
    bench.counters["S_x1e6"] = outcome.S * 1e6;  // the counters show about six digits
    bench.counters["converged"] = outcome.end == aggregation::IterationEnd::Converged ? 1 : 0;
}
BENCHMARK(BM_LargePopulationRun)
    ->ArgsProduct({{500, 1000, 5000, 10000, 32767}, {2, 3}, {0, 1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
