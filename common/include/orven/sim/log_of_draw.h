#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace orven::sim {

// ln(u) of a uniform draw u in (0, 1), evaluated inline: a call to the library's logarithm
// would make a simulation step save and restore its values around every draw, which costs the
// step as much as the logarithm itself. Within one unit in the last place of std::log on every
// one of the 2^24 - 1 draws (three quarters of them equal), so an exponential time rounded to
// single precision differs only where x / rate falls within a hair of a point halfway between
// two floats.
//
// u = z * 2^k with z in [0.7, 1.4); a table of 128 intervals of z gives c near z with 1/c short
// enough that r = z / c - 1 is exact, and ln(u) = k ln 2 + ln c + ln(1 + r) with |r| < 2^-8,
// where eight terms of the series for ln(1 + r) are exact to the last place.
struct LogInterval {
    double inverse;  // 1/c, 29 significant bits
    double logC;     // ln c
};
extern const std::array<LogInterval, 128> kLogIntervals;

inline double logOfDraw(float u) {
    constexpr std::uint32_t kFirstZ = 0x3f330000U;   // 0.69921875: bits of the first interval
    constexpr double kLn2Hi = 0x1.62e42fefa3800p-1;  // k * kLn2Hi is exact for |k| < 2^10
    constexpr double kLn2Lo = 0x1.ef35793c7673p-45;
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(u);
    const std::uint32_t offset = bits - kFirstZ;
    const LogInterval& interval = kLogIntervals[(offset >> 16) & 127U];
    const double k = static_cast<double>(static_cast<std::int32_t>(offset) >> 23);
    const float z = std::bit_cast<float>(bits - (offset & 0xff800000U));
    const double r = static_cast<double>(z) * interval.inverse - 1.0;
    // (k ln 2 + ln c) + r, with the rounding error of that sum carried along.
    const double w = k * kLn2Hi + interval.logC;
    const double hi = w + r;
    const double lo = (w - hi) + r;
    const double series =
        -0.5 + r * (1.0 / 3 + r * (-0.25 + r * (0.2 + r * (-1.0 / 6 + r * (1.0 / 7 - r * 0.125)))));
    return hi + (lo + k * kLn2Lo + r * r * series);
}

}  // namespace orven::sim
