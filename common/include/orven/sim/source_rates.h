#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace orven::sim {

// x / rate in single precision, as the division rounds it, from x * inverse (inverse = 1 / rate
// correctly rounded, rate and inverse normal numbers, x > 0): a multiplication, where a
// division would lengthen every simulation step by its latency.
//
// x * inverse lies within 2.5 units in the last place of x / rate, so both round to the same
// single-precision value unless the product falls within that distance of a point halfway
// between two floats, or outside the normal floats; there (about once in 2^25 draws) the
// division decides.
inline float quotientAsFloat(double x, double rate, double inverse) {
    // Rounding to single precision drops the 29 low bits of the significand: a halfway point
    // has them equal to 2^28.
    constexpr std::uint64_t kDropped = (std::uint64_t{1} << 29) - 1;
    constexpr std::uint64_t kHalfway = std::uint64_t{1} << 28;
    constexpr std::uint64_t kSlack = 8;
    const double product = x * inverse;
    const std::uint64_t dropped = std::bit_cast<std::uint64_t>(product) & kDropped;
    const bool nearHalfway = dropped - (kHalfway - kSlack) <= 2 * kSlack;
    const bool normalFloat = product >= 0x1p-126 && product < 0x1p127;
    if (nearHalfway || !normalFloat) [[unlikely]]
        return static_cast<float>(x / rate);
    return static_cast<float>(product);
}

// One source's rates as a simulation step reads them, by level 0..nmax: whether it sends at
// that level, and its rate with the reciprocal that quotientAsFloat needs. Built once per run,
// so that a step costs one load per source for all three.
class SourceRates {
  public:
    struct Level {
        double rate;
        double inverse;
        bool sends;
    };

    SourceRates() = default;
    // Levels below `limit` with a rate above 0 send; the others never draw.
    SourceRates(std::span<const double> rates, int limit);

    const Level* levels() const { return levels_.data(); }

  private:
    std::vector<Level> levels_;
};

// The exponential time of a draw x = -ln(u) at `level`: x / rate in single precision. Only
// meaningful where the level sends.
inline float timeAt(const SourceRates::Level& level, double x) {
    return quotientAsFloat(x, level.rate, level.inverse);
}

}  // namespace orven::sim
