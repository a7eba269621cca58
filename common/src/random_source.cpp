#include "orven/random_source.h"

namespace orven {

namespace {

// SplitMix64's finaliser: spreads the bits of a clock reading over the whole word.
std::uint64_t spread(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

}  // namespace

void RandomSource::reseed(std::uint64_t clockNanoseconds) {
    engine_.seed(engine_() ^ spread(clockNanoseconds));
}

}  // namespace orven
