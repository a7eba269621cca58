// A sweep of 100 solver cases, as `orven-batch sweep simple-solver --populations "1..50x2"
// --experiment 0,1 --no-timing` runs them without printing: on one thread and on every core,
// in cases per second of wall time (the work is on the sweep's own threads).
#include <benchmark/benchmark.h>

#include <thread>

#include "sweep_cases.h"
#include "sweep_pool.h"

namespace {

void BM_Sweep(benchmark::State& bench) {
    using namespace orven::batch;
    const std::vector<SweepCase> cases =
        sweepCases("simple-solver", populationTuples("1..50x2", {2, 3, 4}), {"0", "1"}, {1});
    SweepSettings settings;
    settings.subcommand = "simple-solver";
    settings.populationColumns = 2;
    settings.timing = false;
    const auto threads = static_cast<unsigned>(bench.range(0));
    for (auto _ : bench) {
        const std::size_t rows = runSweepCases(cases, settings, threads, [](SweepRow row) {
            benchmark::DoNotOptimize(row);
            return true;
        });
        if (rows != cases.size()) bench.SkipWithError("the sweep ended early");
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_Sweep)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
