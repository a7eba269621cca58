#include "orven/double_sim/exact_model.h"

#include <cmath>

namespace orven::double_sim {

exact::Model exactModel(const RunSetup& setup) {
    exact::Model model{exact::Network::Double, {}, {}};
    for (int k = 1; k <= kSources; ++k) {
        const int population = static_cast<int>(std::lround(setup.N[static_cast<std::size_t>(k)]));
        model.populations.push_back(population);
        const auto rates = setup.mu.row(k).first(static_cast<std::size_t>(population));
        model.rates.emplace_back(rates.begin(), rates.end());
    }
    return model;
}

}  // namespace orven::double_sim
