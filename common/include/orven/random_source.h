#pragma once

#include <array>
#include <cstdint>

#include "orven/sim/exponential.h"

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
//
// A simulation takes its draws as -ln(u) through negativeLogsFor, worked out a few steps ahead
// of their use by workAhead: the logarithms then have nothing to wait for, and the processor
// overlaps them with the steps that use earlier ones. Draws worked out ahead are the next ones
// of the same sequence, handed out first by every kind of draw, so nothing changes but speed.
class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed) { startFrom(seed); }

    // Mixes a clock reading into the current state, so that reseeds in quick succession, even
    // with the same reading, never repeat a value.
    void reseed(std::uint64_t clockNanoseconds);
    float uniform() { return uniformOf(nextWord()); }

    // One draw for each of the first `Sources` sources whose bit is set in `senders` (bit k for
    // source k + 1), taken in order, as -ln(u) (sim::negativeLog): the entries of the other
    // sources are meaningless, though above 0 as every draw is. Inline and without a branch on
    // `senders`, which a simulation step could not predict: a simulation run draws millions of
    // these.
    template <int Sources>
    std::array<double, Sources> negativeLogsFor(unsigned senders) {
        static_assert(Sources > 0 && Sources <= kLead);
        if (put_ - take_ < static_cast<unsigned>(Sources)) [[unlikely]]
            workAhead<Sources>();
        std::array<double, Sources> x{};
        for (std::size_t k = 0; k < x.size(); ++k) {
            x[k] = aheadLogs_[take_ % kAhead];
            take_ += (senders >> k) & 1U;
        }
        return x;
    }

    // Works out the draws of `Sources` more sources ahead while fewer than a few steps' worth
    // are at hand. A simulation calls it after each step, where the work has nothing to wait
    // for and overlaps with the step that follows; negativeLogsFor then finds its draws ready.
    template <int Sources>
    void workAhead() {
        static_assert(Sources > 0 && Sources <= kLead);
        if (put_ - take_ >= kLead) return;
        if (index_ + Sources <= generated_) [[likely]] {
            // The words are at hand in the current block: no check between them.
            for (int k = 0; k < Sources; ++k)
                putAhead(temper(x_[static_cast<std::size_t>(index_ + k)]));
            index_ += Sources;
        } else {
            for (int k = 0; k < Sources; ++k) putAhead(next());
        }
    }

  private:
    static constexpr int kWords = 312;
    // Draws worked out ahead: at most kLead - 1 + Sources, refilled while fewer than kLead.
    static constexpr unsigned kAhead = 64;
    static constexpr unsigned kLead = 24;

    static float uniformOf(std::uint64_t word) { return static_cast<float>(word >> 40) * 0x1p-24f; }
    // The next word of the sequence: one worked out ahead if there is one.
    std::uint64_t nextWord() {
        if (take_ != put_) [[unlikely]]
            return aheadWords_[take_++ % kAhead];
        return next();
    }
    void putAhead(std::uint64_t word) {
        aheadWords_[put_ % kAhead] = word;
        aheadLogs_[put_ % kAhead] = sim::negativeLog(uniformOf(word));
        ++put_;
    }

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

    // Words worked out ahead of their use, and their -ln(u): those from take_ to put_ (counted
    // from the last seed, modulo kAhead) are still to come.
    std::array<std::uint64_t, kAhead> aheadWords_{};
    std::array<double, kAhead> aheadLogs_{};
    unsigned take_ = 0;
    unsigned put_ = 0;
};

}  // namespace orven
