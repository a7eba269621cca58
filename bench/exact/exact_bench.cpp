// Solves of the default models and of models close to the size bound of the exact solution.
#include <benchmark/benchmark.h>

#include "orven/exact/double_network.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"

using namespace orven::exact;

namespace {

void solveSimple(benchmark::State& state, std::vector<int> populations) {
    const RateTable rates = simpleSimulatorRates(2, populations);
    for (auto _ : state) {
        const auto solution = solveSimpleNetwork(populations, rates);
        benchmark::DoNotOptimize(solution.throughput);
        state.counters["states"] = static_cast<double>(solution.stateCount);
    }
}

void solveDouble(benchmark::State& state, std::vector<int> populations) {
    const RateTable rates = doubleSimulatorRates(2, populations);
    for (auto _ : state) {
        const auto solution = solveDoubleNetwork(populations, rates);
        benchmark::DoNotOptimize(solution.throughputs);
        state.counters["states"] = static_cast<double>(solution.stateCount);
    }
}

}  // namespace

BENCHMARK_CAPTURE(solveSimple, defaults, std::vector<int>{5, 5, 5})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(solveDouble, defaults, std::vector<int>{5, 5, 5, 5})
    ->Unit(benchmark::kMillisecond);
// Models just under the size bound: 3 classes of 223 (149857 states), 4 classes of 32
// (137345 states), four loops of 32 (148785 states).
BENCHMARK_CAPTURE(solveSimple, three_classes_near_bound, std::vector<int>{223, 223, 223})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(solveSimple, four_classes_near_bound, std::vector<int>{32, 32, 32, 32})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(solveDouble, near_bound, std::vector<int>{32, 32, 32, 32})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
