#pragma once

#include <cstdint>
#include <random>

namespace orven {

// The programs' one uniform generator. A draw is the next 24 bits times 2^-24: a
// single-precision value in [0, 1) that can be exactly 0.
class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // Mixes a clock reading into the current state, so that reseeds in quick succession, even
    // with the same reading, never repeat a value.
    void reseed(std::uint64_t clockNanoseconds);
    // Inline: a simulation run draws millions of these.
    float uniform() { return static_cast<float>(engine_() >> 40) * 0x1p-24f; }

  private:
    std::mt19937_64 engine_;
};

}  // namespace orven
