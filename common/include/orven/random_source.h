#pragma once

#include <array>
#include <cstdint>

namespace orven {

// The programs' one uniform generator: the 64-bit Mersenne Twister, exactly the sequence of
// std::mt19937_64, reseeded by mixing in a clock reading. A draw is the next 24 bits times
// 2^-24: a single-precision value in [0, 1) that can be exactly 0.
//
// Its own rather than the standard library's because the solvers reseed before every draw of
// their first iteration: a standard engine would initialise all 312 words of its state and then
// regenerate all 312 for each such draw, a quarter of a default solver run. Here a reseed works
// out only the words that the draws after it need, one draw at a time, until a block of 312 is
// used up; from then on it regenerates whole blocks as the standard engine does.
class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed) { startFrom(seed); }

    // Mixes a clock reading into the current state, so that reseeds in quick succession, even
    // with the same reading, never repeat a value.
    void reseed(std::uint64_t clockNanoseconds);
    // Inline: a simulation run draws millions of these.
    float uniform() { return static_cast<float>(next() >> 40) * 0x1p-24f; }

  private:
    static constexpr int kWords = 312;

    std::uint64_t next() {
        if (index_ >= generated_) [[unlikely]]
            generateNext();
        return temper(x_[static_cast<std::size_t>(index_++)]);
    }
    static std::uint64_t temper(std::uint64_t z) {
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71d67fffeda60000ULL;
        z ^= (z << 37) & 0xfff7eee000000000ULL;
        return z ^ (z >> 43);
    }

    void startFrom(std::uint64_t value);
    // Makes the word at index_ ready: the next of a block being regenerated word by word after
    // a reseed, or a whole new block.
    void generateNext();
    void seedUpTo(int words);
    void twist(int k);
    void twistBlock();

    std::array<std::uint64_t, kWords> x_{};
    int seeded_ = 0;     // words of the seed's initialisation worked out so far
    int generated_ = 0;  // words of the current block regenerated so far
    int index_ = 0;      // the word the next draw tempers
};

}  // namespace orven
