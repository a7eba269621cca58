#include "model_inputs.h"

#include <cmath>
#include <string>

#include "orven/exact/exact_error.h"
#include "orven/input_rules.h"

namespace orven::exact {

void checkModelInputs(const std::vector<int>& populations, const RateTable& rates) {
    for (std::size_t i = 0; i < populations.size(); ++i) {
        if (populations[i] < 1 || populations[i] > kMaxPopulation) {
            throw ExactError("Population N" + std::to_string(i + 1) +
                             " must be a whole number from 1 to " + std::to_string(kMaxPopulation) +
                             ".");
        }
    }
    if (rates.size() != populations.size()) {
        throw ExactError("The rate table needs one row for each of the " +
                         std::to_string(populations.size()) + " sources.");
    }
    for (std::size_t i = 0; i < populations.size(); ++i) {
        const auto used = static_cast<std::size_t>(populations[i]);
        if (rates[i].size() < used) {
            throw ExactError("Row " + std::to_string(i + 1) +
                             " of the rate table needs a rate for "
                             "each level from 0 to " +
                             std::to_string(used - 1) + ".");
        }
        for (std::size_t n = 0; n < used; ++n) {
            if (!std::isfinite(rates[i][n]) || rates[i][n] < 0) {
                throw ExactError("The rate mu(" + std::to_string(i + 1) + ", " + std::to_string(n) +
                                 ") must be a finite number of at least 0.");
            }
        }
    }
}

}  // namespace orven::exact
