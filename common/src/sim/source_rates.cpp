#include "orven/sim/source_rates.h"

#include <cmath>
#include <limits>

namespace orven::sim {

SourceRates::SourceRates(std::span<const double> rates, int limit) {
    levels_.reserve(rates.size());
    for (std::size_t j = 0; j < rates.size(); ++j) {
        const double rate = rates[j];
        const bool sends = static_cast<int>(j) < limit && rate > 0.0;
        if (!sends) {
            // Never read for a time; 1 keeps the unused product harmless.
            levels_.push_back({1.0, 1.0, false});
        } else if (rate >= 0x1p-1000 && rate <= 0x1p1000) {
            levels_.push_back({rate, 1.0 / rate, true});
        } else {
            // A reciprocal that may not be normal: a NaN sends every time to the division.
            levels_.push_back({rate, std::numeric_limits<double>::quiet_NaN(), true});
        }
    }
}

}  // namespace orven::sim
