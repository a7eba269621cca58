// The aggregation solver: one iteration as the populations grow (it should grow linearly),
// whole runs at 200 jobs per class, the default run of orven-simple without windows, and whole
// runs at the large populations where the method once failed (counters: iterations, S times
// 1E6, 1 when the run converged).
#include <benchmark/benchmark.h>

#include <array>

#include "bench_platform.h"
#include "orven/aggregation/class_subsystem.h"
#include "orven/aggregation/iteration.h"
#include "orven/simple_solver/setup.h"
#include "orven/simple_solver/simple_solver.h"

using namespace orven;
using orven::bench::BenchPlatform;

namespace {

// R = `classes`, every population `population`, the preset rates of experiment `code`.
aggregation::SolverState model(int population, int code, int classes = 3) {
    std::array<double, 5> populations;
    populations.fill(population);
    solver_kit::RateChoice rates;
    rates.choosePreset(code);
    aggregation::SolverState state;
    simple_solver::initiate(state, classes, populations, rates);
    return state;
}

// One iteration (every class re-estimated and solved) after a first, random one, with the
// rates of the second experiment.
void BM_Iteration(benchmark::State& bench) {
    const int population = static_cast<int>(bench.range(0));
    aggregation::SolverState state = model(population, 1);
    BenchPlatform platform;
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
BENCHMARK(BM_Iteration)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// A whole run from set-up to the end of the iteration, N = (200, 200, 200), experiment `code`.
void BM_LargeRunSimple(benchmark::State& bench) {
    const int code = static_cast<int>(bench.range(0));
    int iterations = 0;
    for (auto _ : bench) {
        aggregation::SolverState state = model(200, code);
        BenchPlatform platform;
        const auto outcome = aggregation::iterate(state, platform);
        iterations = outcome.iterations;
        benchmark::DoNotOptimize(outcome.S);
    }
    bench.counters["iterations"] = iterations;
}
BENCHMARK(BM_LargeRunSimple)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// "start" of orven-simple with its initial inputs (R = 3, every population 5, the first
// experiment): checks, set-up, iteration, output rates, the results block and the summary row.
void BM_SolveSimpleDefault(benchmark::State& bench) {
    BenchPlatform platform;
    simple_solver::SimpleSolver solver;
    for (auto _ : bench) {
        const auto result = solver.start(platform);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SolveSimpleDefault)->Unit(benchmark::kMicrosecond);

// A whole run with equal populations: {population, classes, experiment}, seed 1.
void BM_LargePopulationRun(benchmark::State& bench) {
    const int population = static_cast<int>(bench.range(0));
    const int classes = static_cast<int>(bench.range(1));
    const int code = static_cast<int>(bench.range(2));
    aggregation::IterationOutcome outcome;
    for (auto _ : bench) {
        aggregation::SolverState state = model(population, code, classes);
        BenchPlatform platform;
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
