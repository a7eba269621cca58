#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace orven::aggregation {

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
inline constexpr double kMinusInfinity = -kInfinity;

// ln(e^a + e^b) without overflow; -infinity stands for a term of 0.
inline double logAdd(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
    if (a == kMinusInfinity) return b;
    if (b == kMinusInfinity) return a;
    const double high = std::max(a, b);
    return high + std::log1p(std::exp(std::min(a, b) - high));
}

// ln of a rate or probability that may be 0.
inline double logOf(double value) {
    return value > 0 ? std::log(value) : kMinusInfinity;
}

}  // namespace orven::aggregation
