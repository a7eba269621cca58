#include "orven/random_source.h"

#include <algorithm>

namespace orven {

namespace {

constexpr int kShift = 156;  // the word a new word takes its base from, this far ahead
constexpr std::uint64_t kUpper = ~std::uint64_t{0} << 31;
constexpr std::uint64_t kLower = ~kUpper;
constexpr std::uint64_t kTwist = 0xb5026f5aa96619e9ULL;

// SplitMix64's finaliser: spreads the bits of a clock reading over the whole word.
std::uint64_t spread(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// The part of a new word that its own old word and the next one give.
inline std::uint64_t mixed(std::uint64_t word, std::uint64_t next) {
    const std::uint64_t y = (word & kUpper) | (next & kLower);
    return (y >> 1) ^ ((y & 1) != 0 ? kTwist : 0);
}

}  // namespace

void RandomSource::reseed(std::uint64_t clockNanoseconds) {
    startFrom(nextWord() ^ spread(clockNanoseconds));
}

void RandomSource::startFrom(std::uint64_t value) {
    x_[0] = value;
    seeded_ = 1;
    generated_ = 0;
    index_ = 0;
    take_ = 0;
    put_ = 0;
}

void RandomSource::seedUpTo(int words) {
    for (; seeded_ < words; ++seeded_) {
        const auto i = static_cast<std::size_t>(seeded_);
        x_[i] = 6364136223846793005ULL * (x_[i - 1] ^ (x_[i - 1] >> 62)) +
                static_cast<std::uint64_t>(seeded_);
    }
}

// Word k of the next block, in place. Words are regenerated in order, so that words before k
// are already new and words after it still old, as the standard engine has them.
void RandomSource::twist(int k) {
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    const int next = k + 1 == kWords ? 0 : k + 1;
    const int base = k < kWords - kShift ? k + kShift : k - (kWords - kShift);
    x_[at(k)] = x_[at(base)] ^ mixed(x_[at(k)], x_[at(next)]);
}

void RandomSource::twistBlock() {
    constexpr std::size_t n = kWords;
    constexpr std::size_t m = kShift;
    for (std::size_t k = 0; k < n - m; ++k) x_[k] = x_[k + m] ^ mixed(x_[k], x_[k + 1]);
    for (std::size_t k = n - m; k < n - 1; ++k) x_[k] = x_[k - (n - m)] ^ mixed(x_[k], x_[k + 1]);
    x_[n - 1] = x_[m - 1] ^ mixed(x_[n - 1], x_[0]);
}

void RandomSource::generateNext() {
    if (index_ == kWords) {
        index_ = 0;
        generated_ = 0;
    }
    if (seeded_ < kWords) {
        // The first block after a seed: only what this draw needs, the words k, k + 1 and
        // k + 156 of the initialisation.
        seedUpTo(std::min(generated_ + kShift + 1, kWords));
        twist(generated_++);
        return;
    }
    // A block begun word by word is finished so; a new block is made whole.
    if (generated_ > 0) {
        twist(generated_++);
        return;
    }
    twistBlock();
    generated_ = kWords;
}

}  // namespace orven
