#include "orven/exact/experiment_rates.h"

#include <array>
#include <string>

#include "orven/exact/exact_error.h"
#include "orven/input_rules.h"
#include "orven/preset_rates.h"

namespace orven::exact {

namespace {

// `classes[i]` is the preset class whose rate population i takes.
RateTable presetRates(int experiment, const std::vector<int>& populations,
                      const std::array<int, 4>& classes = {1, 2, 3, 4}) {
    if (experiment < 0 || experiment > 2) {
        throw ExactError("The experiment must be 0, 1 or 2, not " + std::to_string(experiment) +
                         ".");
    }
    RateTable rates;
    for (std::size_t i = 0; i < populations.size(); ++i) {
        if (populations[i] < 1 || populations[i] > kMaxPopulation) {
            throw ExactError("Population N" + std::to_string(i + 1) +
                             " must be a whole number from 1 to " + std::to_string(kMaxPopulation) +
                             ".");
        }
        std::vector<double> row(static_cast<std::size_t>(populations[i]) + 1,
                                presetRate(experiment, classes[i]));
        row.back() = 0.0;
        rates.push_back(std::move(row));
    }
    return rates;
}

}  // namespace

RateTable simpleSimulatorRates(int experiment, const std::vector<int>& populations) {
    if (populations.size() < 2 || populations.size() > 4) {
        throw ExactError("The simple network needs 2, 3 or 4 classes, not " +
                         std::to_string(populations.size()) + ".");
    }
    return presetRates(experiment, populations);
}

RateTable doubleSimulatorRates(int experiment, const std::vector<int>& populations) {
    if (populations.size() != 4) {
        throw ExactError("The double network needs 4 populations, not " +
                         std::to_string(populations.size()) + ".");
    }
    return presetRates(experiment, populations);
}

RateTable doubleSolverRates(int experiment, const std::vector<int>& populations) {
    if (populations.size() != 4) {
        throw ExactError("The double network needs 4 populations, not " +
                         std::to_string(populations.size()) + ".");
    }
    // The solver's classes 1..4 are stations 1', 2, 5 and 3.
    return presetRates(experiment, populations, {1, 2, 4, 3});
}

}  // namespace orven::exact
