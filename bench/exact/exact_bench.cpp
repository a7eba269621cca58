// The exact solution: the simple network with three classes as its populations grow, and
// models close to the size bound (the largest that the exact solution accepts).
#include <benchmark/benchmark.h>

#include "orven/exact/double_network.h"
#include "orven/exact/experiment_rates.h"
#include "orven/exact/simple_network.h"

using namespace orven::exact;

namespace {

void solveSimple(benchmark::State& state, const std::vector<int>& populations) {
    const RateTable rates = simpleSimulatorRates(2, populations);
    for (auto _ : state) {
        const auto solution = solveSimpleNetwork(populations, rates);
        benchmark::DoNotOptimize(solution.throughput);
        state.counters["states"] = static_cast<double>(solution.stateCount);
    }
}

void solveDouble(benchmark::State& state, const std::vector<int>& populations) {
    const RateTable rates = doubleSimulatorRates(2, populations);
    for (auto _ : state) {
        const auto solution = solveDoubleNetwork(populations, rates);
        benchmark::DoNotOptimize(solution.throughputs);
        state.counters["states"] = static_cast<double>(solution.stateCount);
    }
}

// R = 3, every population N, the third experiment's rates.
void BM_ExactSimple(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    solveSimple(state, {n, n, n});
}
BENCHMARK(BM_ExactSimple)->Arg(5)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond);

// Three classes of 223: 149857 states.
void BM_ExactNearBound(benchmark::State& state) {
    solveSimple(state, {223, 223, 223});
}
BENCHMARK(BM_ExactNearBound)->Unit(benchmark::kMillisecond)->Iterations(2);

// Four classes of 32 (137345 states) and the double network's four loops of 32 (148785
// states): states that spread over three dimensions, solved iteratively.
void BM_ExactNearBoundFourClasses(benchmark::State& state) {
    solveSimple(state, {32, 32, 32, 32});
}
BENCHMARK(BM_ExactNearBoundFourClasses)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactDoubleDefault(benchmark::State& state) {
    solveDouble(state, {5, 5, 5, 5});
}
BENCHMARK(BM_ExactDoubleDefault)->Unit(benchmark::kMillisecond);

void BM_ExactDoubleNearBound(benchmark::State& state) {
    solveDouble(state, {32, 32, 32, 32});
}
BENCHMARK(BM_ExactDoubleNearBound)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
