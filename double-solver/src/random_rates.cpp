#include "orven/double_solver/random_rates.h"

#include <algorithm>

#include "orven/platform.h"

namespace orven::double_solver {

double lowestDrawnRate(int i) {
    return i == 1 ? 0.1 : 0.4;
}

bool drawMissingRates(aggregation::Table& drawn, const std::array<int, kClasses + 1>& lengths,
                      Platform& platform) {
    const int longest = *std::max_element(lengths.begin(), lengths.end());
    drawn.resize(std::max(drawn.rows(), kClasses + 1), std::max(drawn.columns(), longest + 1));
    bool drewAny = false;
    for (int i = 1; i <= kClasses; ++i) {
        drawn(i, 0) = 1;
        // A drawn rate is never 0, so a 0 below the full queue is a rate not drawn yet.
        for (int n = 1; n < lengths[static_cast<std::size_t>(i)]; ++n) {
            if (drawn(i, n) != 0) continue;
            double rate = 0;
            do {
                platform.reseedRandom();
                rate = platform.uniformRandom();
            } while (rate < lowestDrawnRate(i));
            drawn(i, n) = rate;
            drewAny = true;
        }
    }
    return drewAny;
}

}  // namespace orven::double_solver
