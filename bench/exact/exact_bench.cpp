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

// Four classes of 36 (194545 states) and the double network's four loops of 35 (193901
// states): states that spread over three dimensions, solved iteratively.
void BM_ExactNearBoundFourClasses(benchmark::State& state) {
    solveSimple(state, {36, 36, 36, 36});
}
BENCHMARK(BM_ExactNearBoundFourClasses)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactDoubleDefault(benchmark::State& state) {
    solveDouble(state, {5, 5, 5, 5});
}
BENCHMARK(BM_ExactDoubleDefault)->Unit(benchmark::kMillisecond);

void BM_ExactDoubleNearBound(benchmark::State& state) {
    solveDouble(state, {35, 35, 35, 35});
}
BENCHMARK(BM_ExactDoubleNearBound)->Unit(benchmark::kMillisecond)->Iterations(1);

// Just below the size bound of 500000 states: three classes of 407 (498169 states), four of
// 49 (485199) and the double network at 48 (494409).
void BM_ExactAtBoundThreeClasses(benchmark::State& state) {
    solveSimple(state, {407, 407, 407});
}
BENCHMARK(BM_ExactAtBoundThreeClasses)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactAtBoundFourClasses(benchmark::State& state) {
    solveSimple(state, {49, 49, 49, 49});
}
BENCHMARK(BM_ExactAtBoundFourClasses)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactDoubleAtBound(benchmark::State& state) {
    solveDouble(state, {48, 48, 48, 48});
}
BENCHMARK(BM_ExactDoubleAtBound)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
