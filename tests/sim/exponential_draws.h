#pragma once

#include <cmath>

namespace orven::sim::testing {

// The uniform draw that gives an exponential time of `time` at rate 1.
inline float drawFor(double time) {
    return static_cast<float>(std::exp(-time));
}

}  // namespace orven::sim::testing
