#include "exact_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "common_options.h"
#include "orven/exact/experiment_rates.h"
#include "rate_table_option.h"

namespace orven::batch {

bool isPresetName(const std::string& rates) {
    return rates == "simulator" || rates == "solver";
}

std::vector<int> exactSimplePopulations(const std::string& text) {
    const auto classes = static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')) + 1;
    if (classes < 2 || classes > 4) {
        throw CLI::ValidationError("--populations", "give 2, 3 or 4 populations");
    }
    return parsePopulations(text, classes);
}

exact::RateTable ratesFor(const ExactOptions& options, const std::vector<int>& populations,
                          exact::Network network) {
    if (!isPresetName(options.rates)) {
        exact::RateTable table = rateTableOption(options.rates);
        if (const std::string problem = rateTableProblem(table, populations); !problem.empty())
            throw CLI::ValidationError("--rates", problem);
        return table;
    }
    if (network == exact::Network::Simple)
        // The simple network's solver and simulator share their presets.
        return exact::simpleSimulatorRates(options.experiment, populations);
    return options.rates == "solver" ? exact::doubleSolverRates(options.experiment, populations)
                                     : exact::doubleSimulatorRates(options.experiment, populations);
}

std::string ratesName(const ExactOptions& options) {
    return isPresetName(options.rates) ? options.rates : "table";
}

}  // namespace orven::batch
