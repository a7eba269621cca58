#include "orven/aggregation/truncation.h"

#include <algorithm>
#include <cmath>

namespace orven::aggregation {

namespace {
// Far above the rounding error of the computed outputs, far below the 1/scale step.
constexpr double kRelativeRoundingError = 1e-12;
}  // namespace

double truncateOutput(double value, double scale) {
    const double scaled = value * scale;
    const double nearest = std::round(scaled);
    if (std::fabs(scaled - nearest) <= kRelativeRoundingError * std::max(1.0, std::fabs(scaled))) {
        return nearest / scale;
    }
    return std::floor(scaled) / scale;
}

}  // namespace orven::aggregation
