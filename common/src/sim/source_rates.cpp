#include "orven/sim/source_rates.h"

namespace orven::sim {

SourceRates::SourceRates(std::span<const double> rates, int limit, unsigned bit) {
    levels_.reserve(rates.size());
    for (std::size_t j = 0; j < rates.size(); ++j) {
        const double rate = rates[j];
        const bool sends = static_cast<int>(j) < limit && rate > 0.0;
        // A level that never sends is never read for a time; 1 keeps its unused quotient harmless.
        levels_.push_back({sends ? rate : 1.0, sends ? bit : 0U});
    }
}

}  // namespace orven::sim
