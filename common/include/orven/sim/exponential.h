#pragma once

#include <bit>
#include <cstdint>

#include "orven/sim/log_of_draw.h"

namespace orven::sim {

// A draw of exactly 0 would give an infinite time; it counts as a draw of 0.01 instead: this is
// -ln(0.01) as std::log gives it.
inline constexpr double kZeroDrawLog = 0x1.26bb1bbb55515p+2;

// -ln(u) of a uniform draw `u` in [0, 1), in double precision: the exponential time of rate 1.
inline double negativeLog(float u) {
    const double x = -logOfDraw(u);
    // Chosen on the bits rather than a comparison of floats, which the compiler would branch on.
    return std::bit_cast<std::uint32_t>(u) == 0 ? kZeroDrawLog : x;
}

// The exponential time of a source of rate `rate` from a uniform draw `u` in [0, 1):
// -ln(u) / rate, computed in double precision and kept in single precision.
inline float exponentialTime(float u, double rate) {
    return static_cast<float>(negativeLog(u) / rate);
}

}  // namespace orven::sim
