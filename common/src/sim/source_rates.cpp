#include "orven/sim/source_rates.h"

#include <cassert>

namespace orven::sim {

void setSendingRates(RateTable& table, int row, std::span<const double> rates, int limit) {
    assert(rates.size() == static_cast<std::size_t>(table.nmax() + 1));
    for (int j = 0; j <= table.nmax(); ++j) {
        const double rate = rates[static_cast<std::size_t>(j)];
        table(row, j) = j < limit && rate > 0.0 ? rate : kNoSend;
    }
}

}  // namespace orven::sim
