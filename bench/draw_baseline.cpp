#include "draw_baseline.h"

#include "orven/sim/exponential.h"

namespace orven::bench {

void drawBaseline(benchmark::State& state, const RunCost& cost) {
    RandomSource source(1);
    for (auto _ : state) {
        for (std::int64_t k = 0; k < cost.draws; ++k) {
            float time = sim::exponentialTime(source.uniform(), 1.0);
            benchmark::DoNotOptimize(time);
        }
    }
    state.SetItemsProcessed(state.iterations() * cost.steps);
}

}  // namespace orven::bench
