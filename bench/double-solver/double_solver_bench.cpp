// "start" of orven with its initial inputs (R = 4, N1..N5 = 5, offsets 0, the first
// experiment), without windows: checks, set-up, the equivalent station, the iteration, output
// rates, the results block and the summary row.
#include <benchmark/benchmark.h>

#include "bench_platform.h"
#include "orven/double_solver/double_solver.h"

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

}  // namespace
