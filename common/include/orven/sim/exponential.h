#pragma once

#include <cmath>

namespace orven::sim {

// A draw of exactly 0 would give an infinite time; it counts as a draw of 0.01 instead.
inline constexpr double kZeroDrawSubstitute = 0.01;

// The exponential time of a source of rate `rate` from a uniform draw `u` in [0, 1):
// -ln(u) / rate, computed in double precision and kept in single precision.
inline float exponentialTime(float u, double rate) {
    const double x = u == 0.0f ? -std::log(kZeroDrawSubstitute) : -std::log(static_cast<double>(u));
    return static_cast<float>(x / rate);
}

}  // namespace orven::sim
