#pragma once

#include <cmath>

namespace orven::sim {

// A draw of exactly 0 would give an infinite time; it counts as a draw of 0.01 instead.
inline constexpr double kZeroDrawSubstitute = 0.01;

// -ln(u) of a uniform draw `u` in [0, 1), in double precision: the exponential time of rate 1.
inline double negativeLog(float u) {
    return u == 0.0f ? -std::log(kZeroDrawSubstitute) : -std::log(static_cast<double>(u));
}

// The exponential time of a source of rate `rate` from a uniform draw `u` in [0, 1):
// -ln(u) / rate, computed in double precision and kept in single precision.
inline float exponentialTime(float u, double rate) {
    return static_cast<float>(negativeLog(u) / rate);
}

}  // namespace orven::sim
