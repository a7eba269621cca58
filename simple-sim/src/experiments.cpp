#include "orven/simple_sim/experiments.h"

#include <algorithm>

namespace orven::simple_sim {

RateTable experimentRates(int experiment, const std::array<int, kSources>& populations) {
    std::array<double, kSources + 1> N{};
    for (int i = 1; i <= kSources; ++i) N[i] = populations[static_cast<std::size_t>(i - 1)];
    RateTable mu(kSources, std::max(0, *std::max_element(populations.begin(), populations.end())));
    sim::fillPresetRates(mu, experiment, N);
    return mu;
}

}  // namespace orven::simple_sim
