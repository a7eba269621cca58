#pragma once

#include <benchmark/benchmark.h>
#include <array>
#include <bit>
#include <cstdint>

#include "orven/random_source.h"

namespace orven::bench {

// What one run of an engine spends: its steps and its uniform draws.
struct RunCost {
    std::int64_t steps = 0;
    std::int64_t draws = 0;
};

// Hands out the programs' draws and counts them.
class CountingDraws {
  public:
    explicit CountingDraws(RandomSource& source) : source_(source) {}
    template <int Sources>
    std::array<double, Sources> negativeLogsFor(unsigned senders) {
        count_ += std::popcount(senders);
        return source_.negativeLogsFor<Sources>(senders);
    }
    template <int Sources>
    void workAhead() {
        source_.workAhead<Sources>();
    }
    std::int64_t count() const { return count_; }

  private:
    RandomSource& source_;
    std::int64_t count_ = 0;
};

// The bare cost of a run's randomness: for each of its draws one uniform draw from the
// programs' generator and one logarithm, as an engine turns a draw into a time, and nothing
// else. Counted in the run's steps, so that its items per second compare with the engine's.
void drawBaseline(benchmark::State& state, const RunCost& cost);

}  // namespace orven::bench
