#include "orven/simple_sim/exact_model.h"

#include <cmath>

namespace orven::simple_sim {

exact::Model exactModel(const RunSetup& setup) {
    exact::Model model{exact::Network::Simple, {}, {}};
    for (int i = 1; i <= kSources; ++i) {
        const int population = static_cast<int>(std::lround(setup.N[static_cast<std::size_t>(i)]));
        model.populations.push_back(population);
        const auto rates = setup.mu.row(i).first(static_cast<std::size_t>(population));
        model.rates.emplace_back(rates.begin(), rates.end());
    }
    return model;
}

}  // namespace orven::simple_sim
