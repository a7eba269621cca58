// "start" of orven with its initial inputs (R = 4, N1..N5 = 5, offsets 0, the first
// experiment), without windows: checks, set-up, the equivalent station, the iteration, output
// rates, the results block and the summary row.
#include <benchmark/benchmark.h>

#include "bench_platform.h"
#include "orven/double_solver/double_solver.h"
#include "orven/double_solver/equivalent.h"
#include "orven/double_solver/setup.h"

namespace {

void BM_SolveDoubleDefault(benchmark::State& bench) {
    orven::bench::BenchPlatform platform;
    orven::double_solver::DoubleSolver solver;
    for (auto _ : bench) {
        const auto result = solver.start(platform);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SolveDoubleDefault)->Unit(benchmark::kMicrosecond);

// The equivalent station alone, N1 = N4 = N: of every split of the merged class only the few
// hundred near the balance weigh anything, so its cost grows as N, not N squared.
void BM_Equivalent(benchmark::State& bench) {
    const int N = static_cast<int>(bench.range(0));
    orven::double_solver::StationPopulations stations;
    stations.N = {N, 5, 5, N, 5};
    orven::solver_kit::RateChoice rates;
    rates.choosePreset(0);
    orven::aggregation::SolverState state;
    for (auto _ : bench) {
        bench.PauseTiming();
        orven::double_solver::initiate(state, stations, rates);
        bench.ResumeTiming();
        orven::double_solver::equivalent(state, N, N, 0, 0);
        benchmark::DoNotOptimize(state.mu(1, N));
    }
}
BENCHMARK(BM_Equivalent)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
